#include "CSVDocumentWriter.h"

#include "CSVDocument.h"
#include "CSVFileReplacement.h"

#include "csv/ZRNCSVExport.h"
#include "csv/ZRNCSVRowSource.h"

#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"

namespace {

// The records of a document as the writer reads them: the titles first when there is a header
// record, then every row cut to the shown columns. Cells are viewed, never copied into strings:
// a million rows are written at the speed of the writer.
class DocumentRecords final : public ZRNCSVRowSource
{
public:
    explicit DocumentRecords(const CSVDocument &document)
        : m_rows(document.rowArrays())
        , m_headerRows(document.exportPreset().firstRowIsHeader() ? 1 : 0)
    {
        for (const CSVTableColumn &column : document.tableColumns().columns()) {
            if (!column.isDataColumn())
                continue;
            m_titles.push_back(column.title());
            m_positions.push_back(column.position());
        }
    }

    qsizetype rowCount() const override { return qsizetype(m_rows.size()) + m_headerRows; }
    qsizetype columnCount(qsizetype) const override { return qsizetype(m_positions.size()); }
    qsizetype titleRowCount() const override { return m_headerRows; }

    QStringView cell(qsizetype row, qsizetype column) const override
    {
        if (row < m_headerRows)
            return m_titles[size_t(column)];
        if (row != m_viewedRow) {
            m_view = m_rows[size_t(row - m_headerRows)]->textView(m_scratch);
            m_viewedRow = row;
        }
        const qint64 position = m_positions[size_t(column)];
        return position < m_view.count() ? m_view.at(position) : QStringView();
    }

private:
    const CSVRowList &m_rows;
    const qsizetype m_headerRows;
    std::vector<QString> m_titles;
    std::vector<qint64> m_positions;
    // The row being written, widened once for all its cells.
    mutable std::u16string m_scratch;
    mutable CSVRow::TextView m_view;
    mutable qsizetype m_viewedRow = -1;
};

bool fail(Error *error, const QString &path, const QString &reason, const Error &underlying = {},
          CSVDocumentWriter::ErrorCode code = CSVDocumentWriter::SaveFailed)
{
    Error::report(error,
                  Error(CSVDocumentWriter::errorDomain(), code,
                        localized("LSASaveFailed").arg(path, reason),
                        underlying.isNull() ? nullptr : std::make_shared<const Error>(underlying)));
    return false;
}

} // namespace

QString CSVDocumentWriter::errorDomain()
{
    return QStringLiteral("TabwrightDocumentSaveErrorDomain");
}

bool CSVDocumentWriter::write(const CSVDocument &document, const QString &path, Error *error,
                              const ZRNCSVExport::Progress &progress)
{
    CSVFileReplacement file(path);
    if (!file.open())
        return fail(error, path, file.errorString());

    const CSVImportExportPreset &preset = document.exportPreset();
    ZRNCSVExport writer(&file.device());
    writer.setEncoding(preset.stringEncoding());
    writer.setSeparatorType(int(preset.separatorType()));
    writer.setLineEndType(int(preset.lineEndingType()));
    writer.setForceQuotes(preset.forceQuotes());
    Error writeError;
    if (!writer.writeRows(DocumentRecords(document), &writeError, progress)) {
        if (writeError.code() == ZRNCSVExport::Cancelled)
            return fail(error, path, writeError.localizedDescription(), writeError, SaveCancelled);
        // A failed write says why in the file's own words; an unencodable character in the
        // writer's, which name the cell.
        const bool isDeviceError = writeError.code() == ZRNCSVExport::WriteFailed;
        return fail(error, path,
                    isDeviceError ? file.device().errorString() : writeError.localizedDescription(),
                    writeError);
    }
    if (!file.commit())
        return fail(error, path, file.errorString());
    return true;
}

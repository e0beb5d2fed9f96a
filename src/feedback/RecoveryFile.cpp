#include "RecoveryFile.h"

#include "document/CSVDocument.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"

#include <QDataStream>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

constexpr quint32 s_magic = 0x54575243; // "TWRC"
constexpr quint32 s_version = 1;

QString errorDomain()
{
    return QStringLiteral("RecoveryFile");
}

bool fail(Error *error, const QString &path, const QString &reason)
{
    Error::report(error,
                  Error(errorDomain(), 1, localized("LSRecoveryUnreadable").arg(path, reason)));
    return false;
}

QJsonObject presetToJson(const CSVImportExportPreset &preset)
{
    QVariantMap coder;
    preset.encodeWithCoder(coder);
    coder.insert(QStringLiteral("forceQuotes"), preset.forceQuotes());
    return QJsonObject::fromVariantMap(coder);
}

CSVImportExportPreset presetFromJson(const QJsonValue &json)
{
    const QVariantMap coder = json.toObject().toVariantMap();
    CSVImportExportPreset preset(coder);
    preset.setForceQuotes(coder.value(QStringLiteral("forceQuotes")).toBool());
    return preset;
}

QJsonArray columnsToJson(const std::vector<CSVTableColumn> &columns)
{
    QJsonArray array;
    for (const CSVTableColumn &column : columns)
        array.append(QJsonObject{{QStringLiteral("identifier"), column.identifier()},
                                 {QStringLiteral("title"), column.title()},
                                 {QStringLiteral("width"), column.width()},
                                 {QStringLiteral("alignment"), int(column.contentAlignment())}});
    return array;
}

std::vector<CSVTableColumn> columnsFromJson(const QJsonArray &array)
{
    std::vector<CSVTableColumn> columns;
    for (const QJsonValue &value : array) {
        const QJsonObject column = value.toObject();
        columns.emplace_back(column.value(QStringLiteral("title")).toString(),
                             column.value(QStringLiteral("identifier")).toString(),
                             column.value(QStringLiteral("width")).toDouble(),
                             TextAlignment(column.value(QStringLiteral("alignment")).toInt()));
    }
    return columns;
}

} // namespace

RecoveryFile RecoveryFile::snapshot(const CSVDocument &document, const QString &title)
{
    RecoveryFile file;
    file.m_filePath = document.filePath();
    file.m_title = title;
    file.m_importPreset = document.importPreset();
    file.m_exportPreset = document.exportPreset();
    file.m_numberOfColumns = document.numberOfColumns();
    file.m_columns = document.tableColumns().columns();
    file.m_rows.reserve(document.rowArrays().size());
    for (const CSVRowPtr &row : document.rowArrays())
        file.m_rows.push_back(*row);
    return file;
}

// The layout: a magic number and a version, the description as JSON, then the row count and
// every row as its cell count and its cells in UTF-8.
bool RecoveryFile::write(const QString &path, Error *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, file.errorString());
    // The user's data, readable by the user alone, like the documents it may come from.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDataStream out(&file);
    const QJsonObject description{{QStringLiteral("filePath"), m_filePath},
                                  {QStringLiteral("title"), m_title},
                                  {QStringLiteral("importPreset"), presetToJson(m_importPreset)},
                                  {QStringLiteral("exportPreset"), presetToJson(m_exportPreset)},
                                  {QStringLiteral("numberOfColumns"), m_numberOfColumns},
                                  {QStringLiteral("columns"), columnsToJson(m_columns)}};
    out << s_magic << s_version << QJsonDocument(description).toJson(QJsonDocument::Compact)
        << quint64(m_rows.size());
    std::u16string scratch;
    for (const CSVRow &row : m_rows) {
        const CSVRow::TextView cells = row.textView(scratch);
        out << quint32(cells.count());
        for (qsizetype i = 0; i < cells.count(); ++i)
            out << cells.at(i).toUtf8();
    }
    if (out.status() != QDataStream::Ok || !file.commit())
        return fail(error, path, file.errorString());
    return true;
}

std::optional<RecoveryFile> RecoveryFile::read(const QString &path, Error *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, path, file.errorString());
        return std::nullopt;
    }
    QDataStream in(&file);
    quint32 magic = 0;
    quint32 version = 0;
    QByteArray json;
    quint64 rowCount = 0;
    in >> magic >> version >> json >> rowCount;
    const QJsonObject description = QJsonDocument::fromJson(json).object();
    if (magic != s_magic || version != s_version || description.isEmpty()) {
        fail(error, path, localized("LSRecoveryNotACopy"));
        return std::nullopt;
    }
    RecoveryFile recovered;
    recovered.m_filePath = description.value(QStringLiteral("filePath")).toString();
    recovered.m_title = description.value(QStringLiteral("title")).toString();
    recovered.m_importPreset = presetFromJson(description.value(QStringLiteral("importPreset")));
    recovered.m_exportPreset = presetFromJson(description.value(QStringLiteral("exportPreset")));
    recovered.m_numberOfColumns = description.value(QStringLiteral("numberOfColumns")).toInteger();
    recovered.m_columns = columnsFromJson(description.value(QStringLiteral("columns")).toArray());
    for (quint64 r = 0; r < rowCount && in.status() == QDataStream::Ok; ++r) {
        quint32 cellCount = 0;
        in >> cellCount;
        QStringList cells;
        QByteArray cell;
        for (quint32 c = 0; c < cellCount && in.status() == QDataStream::Ok; ++c) {
            in >> cell;
            cells.append(QString::fromUtf8(cell));
        }
        recovered.m_rows.emplace_back(cells);
    }
    // A copy cut short (a full disk when it was written) is not offered as if it were whole.
    if (in.status() != QDataStream::Ok) {
        fail(error, path, localized("LSRecoveryTruncated"));
        return std::nullopt;
    }
    return recovered;
}

std::unique_ptr<CSVDocument> RecoveryFile::makeDocument() const
{
    CSVRowList rows;
    rows.reserve(m_rows.size());
    for (const CSVRow &row : m_rows)
        rows.push_back(std::make_shared<CSVRow>(row));
    auto document = CSVDocument::withRows(std::move(rows), m_importPreset);
    document->setImportPreset(m_importPreset);
    document->setExportPreset(m_exportPreset);
    document->setNumberOfColumns(m_numberOfColumns);
    document->setFilePath(m_filePath);
    document->undoManager().recordNonUndoableChange();
    return document;
}

void RecoveryFile::applyColumns(CSVDocument &document) const
{
    document.setTableColumns(CSVTableColumns(m_columns));
}

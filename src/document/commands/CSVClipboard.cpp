#include "CSVClipboard.h"

#include "CSVClipboardArchive.h"
#include "CSVClipboardText.h"
#include "CSVColumnCommands.h"
#include "CSVPasteboard.h"

#include "document/CSVDocument.h"
#include "document/CSVRowBuilder.h"

#include <algorithm>

namespace CSVClipboard {

namespace {

using Pasteboard = CSVPasteboard;

std::vector<qint64> positionsOf(const std::vector<CSVTableColumn> &columns)
{
    std::vector<qint64> positions;
    for (const CSVTableColumn &column : columns) {
        if (column.isDataColumn())
            positions.push_back(column.position());
    }
    return positions;
}

// The private flavour (after its head), the text form and the HTML table, in one walk over the
// rows.
void writeToPasteboard(CSVPasteboard &pasteboard, const char *privateType, QByteArray archive,
                       const CSVCopiedTable &table)
{
    QByteArray text;
    QByteArray html;
    {
        CSVByteWriter archiveWriter(archive);
        CSVByteWriter textWriter(text);
        CSVByteWriter htmlWriter(html);
        CSVClipboardText::startHtml(htmlWriter);
        table.forEachRow([&](const CSVCopiedTable::Cells &cells) {
            CSVClipboardArchive::appendRow(archiveWriter, cells);
            CSVClipboardText::appendRow(textWriter, htmlWriter, cells);
        });
        CSVClipboardText::finishHtml(htmlWriter);
    }
    pasteboard.setContents({{QString::fromLatin1(privateType), std::move(archive)},
                            {QString::fromLatin1(Pasteboard::s_tabularTextType), text},
                            {QString::fromLatin1(Pasteboard::s_plainTextType), text},
                            {QString::fromLatin1(Pasteboard::s_htmlType), std::move(html)}});
}

bool hasText(const CSVPasteboard &pasteboard)
{
    return pasteboard.hasType(Pasteboard::s_tabularTextType) ||
           pasteboard.hasType(Pasteboard::s_plainTextType);
}

CSVRowList rowsFromText(const CSVPasteboard &pasteboard)
{
    const char *type = pasteboard.hasType(Pasteboard::s_tabularTextType)
                           ? Pasteboard::s_tabularTextType
                           : Pasteboard::s_plainTextType;
    return CSVClipboardText::read(QString::fromUtf8(pasteboard.data(type)));
}

// The rows flavour, or the text when there is none or another program put something else
// under its name.
CSVRowList incomingRows(const CSVPasteboard &pasteboard)
{
    if (pasteboard.hasType(Pasteboard::s_rowsType)) {
        if (std::optional<CSVRowList> rows =
                CSVClipboardArchive::readRows(pasteboard.data(Pasteboard::s_rowsType)))
            return std::move(*rows);
    }
    return hasText(pasteboard) ? rowsFromText(pasteboard) : CSVRowList();
}

// Value i of each row goes to the cell position of shown column i; a row that already has one
// value per cell position in order is taken as it is.
CSVRowList fitRows(const CSVDocument &document, CSVRowList rows)
{
    const std::vector<qint64> positions = positionsOf(document.tableColumns().columns());
    const qint64 cellCount = document.numberOfColumns();
    bool inOrder = qint64(positions.size()) == cellCount;
    for (size_t i = 0; inOrder && i < positions.size(); ++i)
        inOrder = positions[i] == qint64(i);
    std::u16string scratch;
    std::vector<QStringView> cells;
    CSVRowBuilder builder;
    for (CSVRowPtr &row : rows) {
        if (inOrder && row->count() == cellCount)
            continue;
        const CSVRow::TextView values = row->textView(scratch);
        cells.assign(size_t(cellCount), QStringView());
        const qsizetype used = std::min<qsizetype>(values.count(), qsizetype(positions.size()));
        for (qsizetype i = 0; i < used; ++i) {
            if (positions[size_t(i)] < cellCount)
                cells[size_t(positions[size_t(i)])] = values.at(i);
        }
        builder.clear();
        for (QStringView cell : cells)
            builder.appendField(cell);
        row = builder.makeRow();
    }
    return rows;
}

// The row's first `keep` cells (padded), then the values, as one new content.
void extendRow(CSVRow &row, qint64 keep, const CSVRow *values, qint64 valueCount,
               CSVRowBuilder &builder, std::u16string &scratch)
{
    builder.clear();
    const CSVRow::TextView text = row.textView(scratch);
    for (qint64 i = 0; i < keep; ++i)
        builder.appendField(i < text.count() ? text.at(i) : QStringView());
    for (qint64 j = 0; j < valueCount; ++j)
        builder.appendField(values && j < values->count() ? values->at(j) : QString());
    row = CSVRow(builder);
}

} // namespace

bool isRowsDataOnPasteboardAvailable(const CSVPasteboard &pasteboard)
{
    return !pasteboard.hasType(Pasteboard::s_columnsType) &&
           (pasteboard.hasType(Pasteboard::s_rowsType) || hasText(pasteboard));
}

bool isColumnsDataOnPasteboardAvailable(const CSVPasteboard &pasteboard)
{
    return pasteboard.hasType(Pasteboard::s_columnsType);
}

void copy(CSVDocument &document, CSVPasteboard &pasteboard)
{
    if (document.numberOfSelectedRows() > 0)
        writeSelectedRowsToPasteboard(document, pasteboard);
    else if (document.numberOfSelectedColumns() > 0)
        writeSelectedColumnsToPasteboard(document, pasteboard);
}

void cut(CSVDocument &document, CSVPasteboard &pasteboard)
{
    copy(document, pasteboard);
    if (document.numberOfSelectedRows() > 0) {
        const CSVRowList rows = document.selectedRows();
        document.resetFindResults();
        UndoGroup group(document.undoManager());
        document.removeCSVRows(rows);
        document.undoManager().setActionName(QStringLiteral("LSUDCutRows"));
    } else if (pasteboard.hasType(Pasteboard::s_columnsType) &&
               document.numberOfSelectedColumns() > 0) {
        UndoGroup group(document.undoManager());
        CSVColumnCommands::removeColumns(document, document.selectedColumnIndexes());
        document.undoManager().setActionName(QStringLiteral("LSUDCutColumns"));
    }
}

void paste(CSVDocument &document, const CSVPasteboard &pasteboard)
{
    if (isRowsDataOnPasteboardAvailable(pasteboard))
        insertRowsFromPasteboard(document, pasteboard);
    else if (isColumnsDataOnPasteboardAvailable(pasteboard))
        insertColumnsFromPasteboard(document, pasteboard);
}

void writeSelectedRowsToPasteboard(CSVDocument &document, CSVPasteboard &pasteboard)
{
    const CSVRowList rows = document.selectedRows();
    const CSVCopiedTable table(rows, positionsOf(document.tableColumns().columns()));
    writeToPasteboard(pasteboard, Pasteboard::s_rowsType,
                      CSVClipboardArchive::rowsHead(table.rowCount()), table);
}

void writeSelectedColumnsToPasteboard(CSVDocument &document, CSVPasteboard &pasteboard)
{
    const std::vector<CSVTableColumn> columns = document.selectedColumns();
    const CSVCopiedTable table(document.rowArrays(), positionsOf(columns));
    writeToPasteboard(pasteboard, Pasteboard::s_columnsType,
                      CSVClipboardArchive::columnsHead(columns, table.rowCount()), table);
}

void insertRowsFromPasteboard(CSVDocument &document, const CSVPasteboard &pasteboard)
{
    CSVRowList rows = fitRows(document, incomingRows(pasteboard));
    if (rows.empty())
        return;
    const CSVRowList selected = document.selectedRows();
    document.resetFindResults();
    document.resetSearchField();
    const CSVRowList &all = document.rowArrays();
    qint64 place = qint64(all.size());
    UndoGroup group(document.undoManager());
    if (!selected.empty()) {
        place = std::find(all.begin(), all.end(), selected.front()) - all.begin();
        document.removeCSVRows(selected);
    }
    document.insertCSVRows(rows, std::min(place, qint64(all.size())));
    document.undoManager().setActionName(QStringLiteral("LSUDPasteRows"));
}

void insertColumnsFromPasteboard(CSVDocument &document, const CSVPasteboard &pasteboard)
{
    std::optional<CSVClipboardArchive::ColumnBundle> bundle =
        CSVClipboardArchive::readColumns(pasteboard.data(Pasteboard::s_columnsType));
    if (!bundle || bundle->columns.isEmpty())
        return;
    const qint64 first = document.numberOfColumns();
    const qint64 count = bundle->columns.size();
    const CSVRowList &rows = document.rowArrays();
    const size_t existing = rows.size();

    UndoGroup group(document.undoManager());
    qint64 place = document.tableColumns().count();
    if (document.numberOfSelectedColumns() > 0) {
        place = document.selectedColumnIndexes().firstIndex();
        CSVColumnCommands::removeColumns(document, document.selectedColumnIndexes());
    }
    CSVRowBuilder builder;
    std::u16string scratch;
    for (size_t i = 0; i < existing; ++i) {
        const CSVRow *values = i < bundle->rows.size() ? bundle->rows[i].get() : nullptr;
        extendRow(*rows[i], first, values, count, builder, scratch);
    }
    CSVRowList added;
    for (size_t i = existing; i < bundle->rows.size(); ++i) {
        auto row = std::make_shared<CSVRow>();
        extendRow(*row, first, bundle->rows[i].get(), count, builder, scratch);
        added.push_back(std::move(row));
    }
    if (!added.empty())
        document.insertCSVRows(added, qint64(existing));
    for (qint64 k = 0; k < count; ++k) {
        document.insertTableColumn(
            CSVClipboardArchive::columnFromDescription(bundle->columns.at(k), first + k),
            place + k);
        document.setNumberOfColumns(first + k + 1);
    }
    document.undoManager().setActionName(QStringLiteral("LSUDPasteColumns"));
}

void setRowsFromPasteboard(CSVDocument &document, const CSVPasteboard &pasteboard)
{
    CSVRowList rows;
    QVariantMap attributes = document.attributes();
    std::optional<CSVClipboardArchive::ColumnBundle> bundle;
    if (isColumnsDataOnPasteboardAvailable(pasteboard))
        bundle = CSVClipboardArchive::readColumns(pasteboard.data(Pasteboard::s_columnsType));
    if (bundle) {
        attributes.insert(CSVDocument::columnsDescriptionKey(), bundle->columns);
        rows = std::move(bundle->rows);
    } else {
        rows = incomingRows(pasteboard);
    }
    qint64 longest = 0;
    for (const CSVRowPtr &row : rows)
        longest = std::max<qint64>(longest, row->count());
    document.setAttributes(attributes);
    document.setRowArrays(std::move(rows));
    document.setNumberOfColumns(longest);
    document.fixRows();
    document.undoManager().recordNonUndoableChange();
}

} // namespace CSVClipboard

#include "CSVEmptyCells.h"

#include "document/CSVDocument.h"

namespace CSVEmptyCells {

namespace {

// The cell positions of the shown columns at these display positions.
std::vector<qint64> positions(const CSVDocument &document, const IndexSet &columns)
{
    std::vector<qint64> result;
    for (qint64 column : columns) {
        const CSVTableColumn &shown = document.tableColumns().at(column);
        if (shown.isDataColumn())
            result.push_back(shown.position());
    }
    return result;
}

void emptyCells(CSVDocument &document, const CSVRowPtr &row, const std::vector<qint64> &cells)
{
    for (qint64 position : cells) {
        if (position < row->count() && !row->view(position).isEmpty())
            document.setStringValue(QString(), row, position);
    }
}

} // namespace

void emptySelectedCells(CSVDocument &document)
{
    if (!document.isEditable())
        return;
    const IndexSet &selectedRows = document.selectedRowIndexes();
    const std::vector<qint64> wholeRow =
        positions(document, IndexSet::fromRange(0, document.tableColumns().count()));
    const std::vector<qint64> selectedColumns =
        positions(document, document.selectedColumnIndexes());
    const CSVRowList &rows = document.displayRowArrays();
    UndoGroup group(document.undoManager());
    if (selectedColumns.empty()) {
        for (qint64 row : selectedRows)
            emptyCells(document, rows.at(size_t(row)), wholeRow);
    } else {
        for (size_t row = 0; row < rows.size(); ++row)
            emptyCells(document, rows[row],
                       selectedRows.contains(qint64(row)) ? wholeRow : selectedColumns);
    }
    document.undoManager().setActionName(QStringLiteral("LSUDDataEdited"));
}

} // namespace CSVEmptyCells

#include "CSVRowCommands.h"

#include "CSVSelectionCommands.h"

#include "document/CSVDocument.h"

namespace CSVRowCommands {

CSVRowList emptyRows(const CSVDocument &document, qint64 count)
{
    const QStringList cells(document.numberOfColumns(), QString());
    CSVRowList rows;
    rows.reserve(size_t(count));
    for (qint64 i = 0; i < count; ++i)
        rows.push_back(makeCSVRow(cells));
    return rows;
}

void addNewRow(CSVDocument &document)
{
    document.resetSearchField();
    // The new row ends up the only one selected, in view.
    CSVSelectionCommands::deselectAll(document);
    UndoGroup group(document.undoManager());
    document.insertCSVRow(emptyRows(document, 1).front(), qint64(document.rowArrays().size()));
    document.undoManager().setActionName(QStringLiteral("LSUDAddRow"));
}

void selectedRowIsHeader(CSVDocument &document)
{
    if (document.selectedRowIndexes().isEmpty())
        return;
    const CSVRowPtr row =
        document.displayRowArrays().at(size_t(document.selectedRowIndexes().lastIndex()));
    UndoGroup group(document.undoManager());
    for (const CSVTableColumn &column : document.tableColumns().columns()) {
        if (column.isDataColumn())
            document.tableColumnSetTitle(column, row->objectAtIndex(column.position()));
    }
    document.removeCSVRow(row);
    document.undoManager().setActionName(QStringLiteral("LSUDSelectedRowIsHeader"));
}

} // namespace CSVRowCommands

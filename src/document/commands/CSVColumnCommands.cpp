#include "CSVColumnCommands.h"

#include "CSVSelectionCommands.h"

#include "document/CSVDocument.h"

#include "foundation/NotFound.h"

namespace CSVColumnCommands {

void insertEmptyColumns(CSVDocument &document, qint64 index, qint64 count)
{
    if (count <= 0)
        return;
    // The new columns end up the only ones selected, in view.
    CSVSelectionCommands::deselectAll(document);
    const qint64 firstPosition = document.numberOfColumns();
    // One pass over the rows for all the new cells: a row is reallocated when it grows.
    for (const CSVRowPtr &row : document.rowArrays())
        row->padTo(firstPosition + count);
    for (qint64 i = 0; i < count; ++i) {
        document.insertTableColumn(CSVTableColumn::forPosition(firstPosition + i), index + i);
        document.setNumberOfColumns(firstPosition + i + 1);
    }
}

void addNewColumn(CSVDocument &document)
{
    document.resetFindResults();
    UndoGroup group(document.undoManager());
    insertEmptyColumns(document, document.tableColumns().count(), 1);
    document.undoManager().setActionName(QStringLiteral("LSUDAddColumn"));
}

void setTitle(CSVDocument &document, const CSVTableColumn &column, const QString &title)
{
    if (document.indexOfColumnWithIdentifier(column.identifier()) == NotFound)
        return;
    UndoGroup group(document.undoManager());
    document.tableColumnSetTitle(column, title);
    document.undoManager().setActionName(QStringLiteral("LSUDEditColumnTitle"));
}

void removeColumns(CSVDocument &document, IndexSet indexes)
{
    const std::vector<IndexSet::Range> &ranges = indexes.ranges();
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
        for (qint64 index = range->end() - 1; index >= range->location; --index) {
            if (index < document.tableColumns().count())
                document.removeTableColumn(document.tableColumns().at(index));
        }
    }
}

void setAlignmentForSelectedColumns(CSVDocument &document, TextAlignment alignment)
{
    for (qint64 index : document.selectedColumnIndexes())
        document.setColumnContentAlignment(index, alignment);
}

} // namespace CSVColumnCommands

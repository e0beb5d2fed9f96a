#include "CSVInsertRows.h"

#include "CSVRowCommands.h"
#include "CSVSelectionCommands.h"

#include "document/CSVDocument.h"

#include <algorithm>

namespace CSVInsertRows {

Options open(CSVDocument &document)
{
    const IndexSet &selected = document.selectedRowIndexes();
    const CSVRowPtr firstSelected =
        selected.isEmpty() ? nullptr
                           : document.displayRowArrays().at(size_t(selected.firstIndex()));
    document.resetSearchField();

    Options options;
    if (firstSelected) {
        const CSVRowList &rows = document.rowArrays();
        options.firstSelectedRow =
            std::find(rows.begin(), rows.end(), firstSelected) - rows.begin();
    }
    options.placement = document.commandChoices().insertRowsPlacement;
    if (options.placement == Options::Placement::BeforeFirstSelectedRow &&
        !options.canInsertBeforeSelection())
        options.placement = Options::Placement::AtBeginning;
    return options;
}

namespace {

qint64 baseIndex(const CSVDocument &document, const Options &options)
{
    const qint64 rowCount = qint64(document.rowArrays().size());
    switch (options.placement) {
    case Options::Placement::AtBeginning:
        return 0;
    case Options::Placement::AtEnd:
        return rowCount;
    case Options::Placement::BeforeFirstSelectedRow:
        return std::min(options.firstSelectedRow, rowCount);
    }
    return 0;
}

} // namespace

void close(CSVDocument &document, const Options &options, bool confirmed)
{
    document.commandChoices().insertRowsPlacement = options.placement;
    if (!confirmed || options.count < 1)
        return;
    CSVSelectionCommands::deselectAll(document);
    UndoGroup group(document.undoManager());
    document.insertCSVRows(CSVRowCommands::emptyRows(document, options.count),
                           baseIndex(document, options));
    document.undoManager().setActionName(QStringLiteral("LSUDInsertRows"));
}

} // namespace CSVInsertRows

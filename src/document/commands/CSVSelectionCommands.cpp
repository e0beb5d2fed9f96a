#include "CSVSelectionCommands.h"

#include "document/CSVDocument.h"

namespace CSVSelectionCommands {

void invertSelection(CSVDocument &document)
{
    // The gaps between the selected ranges, walked once: a selection of every other row of a
    // million is half a million ranges.
    const qint64 rowCount = document.numberOfRowsInTableView();
    IndexSet inverted;
    qint64 next = 0;
    for (const IndexSet::Range &range : document.selectedRowIndexes().ranges()) {
        inverted.addRange(next, std::min(range.location, rowCount) - next);
        next = range.end();
    }
    inverted.addRange(next, rowCount - next);
    document.selectRowIndexes(inverted, false);
}

void deselectAll(CSVDocument &document)
{
    document.selectRowIndexes({}, false);
    document.selectColumnIndexes({}, false);
}

} // namespace CSVSelectionCommands

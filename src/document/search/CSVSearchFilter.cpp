#include "CSVSearchFilter.h"

#include "CSVFindReplace.h"
#include "CSVRowFilter.h"

#include "document/CSVDocument.h"

namespace CSVSearchFilter {

void searchStringDidChanged(CSVDocument &document, const QString &text)
{
    const CSVRowList selected = document.selectedRows();
    document.setFilteredRowArrays(std::nullopt);
    document.searchField().text = text;
    if (!text.isEmpty()) {
        const CSVRowFilter filter(text, document.searchField().menu.tickedPositions());
        document.setFilteredRowArrays(filter.filter(document.rowArrays()));
        document.setDisplayMode(CSVDocument::FilterMode);
    }
    document.reloadTable();
    CSVFindReplace::forgetMarks(document);
    document.selectRowIndexes(CSVRowStore::indexesIn(document.displayRowArrays(), selected), false);
    document.updateUI();
}

void searchMenuItemSelected(CSVDocument &document, qsizetype index)
{
    document.searchField().menu.select(index);
    emit document.searchMenuRebuildRequested();
}

void buildAndSetSearchMenu(CSVDocument &document)
{
    document.searchField().menu = CSVSearchMenu::build(document.tableColumns());
    emit document.searchMenuRebuildRequested();
}

void resetSearchField(CSVDocument &document)
{
    if (document.searchField().text.isEmpty())
        return;
    document.searchField().text.clear();
    emit document.searchFieldResetRequested();
    searchStringDidChanged(document, QString());
    document.resetFindResults();
}

} // namespace CSVSearchFilter

#include "CSVDuplicateRows.h"

#include "document/CSVDocument.h"
#include "foundation/LocalizedStrings.h"

namespace CSVDuplicateRows {

std::vector<KeyColumn> open(CSVDocument &document)
{
    document.resetSearchField();
    std::vector<KeyColumn> keys{{localized("LSAllColumns"), QString()}};
    const CSVTableColumns &columns = document.tableColumns();
    for (qint64 index = 0; index < columns.count(); ++index)
        keys.push_back({columns.at(index).title(), columns.at(index).identifier()});
    return keys;
}

CSVDuplicateSearch makeSearch(const CSVDocument &document, const QString &keyIdentifier,
                              CSVDuplicateSearch::Purpose purpose)
{
    const qint64 key =
        keyIdentifier.isEmpty() ? CSVDuplicateSearch::s_wholeRows : keyIdentifier.toLongLong();
    return CSVDuplicateSearch(document.rowArrays(), key, purpose);
}

qint64 removeFound(CSVDocument &document, const CSVDuplicateSearch &search)
{
    if (search.found().isEmpty())
        return 0;
    UndoGroup group(document.undoManager());
    document.removeCSVRowsAtIndexes(search.found());
    document.undoManager().setActionName(QStringLiteral("LSUDRemoveDuplicateRows"));
    return search.found().count();
}

namespace {

void showAgain(CSVDocument &document)
{
    document.reloadTable();
    document.selectRowIndexes({}, false);
    document.updateUI();
}

} // namespace

bool showFound(CSVDocument &document, const CSVDuplicateSearch &search)
{
    const bool found = !search.shownRows().empty();
    if (found) {
        document.setFilteredRowArrays(search.shownRows());
        document.switchToDisplayMode(CSVDocument::DuplicateRowsMode);
    }
    showAgain(document);
    return found;
}

void endShowDuplicateRows(CSVDocument &document)
{
    document.setFilteredRowArrays(std::nullopt);
    document.switchToDisplayMode(CSVDocument::AllRowsMode);
    showAgain(document);
}

} // namespace CSVDuplicateRows

#include "CSVSortRows.h"

#include "CSVSortKeys.h"

#include "document/CSVDocument.h"

#include <algorithm>

namespace CSVSortRows {

Options open(const CSVDocument &document)
{
    Options options;
    const CSVTableColumns &columns = document.tableColumns();
    if (!columns.isEmpty())
        options.keys[0].identifier = columns.at(0).identifier();
    options.keys[0].ascending = document.commandChoices().sortAscending;
    options.comparesNumbers = document.commandChoices().sortComparesNumbers;
    return options;
}

namespace {

struct SortKey
{
    CSVSortKeys keys;
    bool ascending;
};

// The keys of the options that name a column; the first always counts, as position 0 without
// a column.
std::vector<SortKey> sortKeys(const CSVRowList &rows, const Options &options)
{
    std::vector<SortKey> keys;
    for (size_t i = 0; i < options.keys.size(); ++i) {
        const Key &key = options.keys[i];
        if (i > 0 && key.identifier.isEmpty())
            continue;
        keys.push_back({CSVSortKeys(rows, key.identifier.toLongLong(), options.comparesNumbers),
                        key.ascending});
    }
    return keys;
}

// A row to sort with the prefix of its first key at hand: most comparisons end there, without
// a look into the keys.
struct Entry
{
    quint64 prefix;
    size_t row;
};

CSVRowList sorted(const CSVRowList &rows, const Options &options)
{
    const std::vector<SortKey> keys = sortKeys(rows, options);
    std::vector<Entry> entries(rows.size());
    for (size_t row = 0; row < rows.size(); ++row)
        entries[row] = {keys.front().keys.prefix(row), row};
    const bool ascending = keys.front().ascending;
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        if (a.prefix != b.prefix)
            return ascending ? a.prefix < b.prefix : a.prefix > b.prefix;
        for (const SortKey &key : keys) {
            const int comparison = key.keys.compare(a.row, b.row);
            if (comparison != 0)
                return key.ascending ? comparison < 0 : comparison > 0;
        }
        return false;
    });
    CSVRowList list;
    list.reserve(rows.size());
    for (const Entry &entry : entries)
        list.push_back(rows[entry.row]);
    return list;
}

} // namespace

void close(CSVDocument &document, const Options &options, bool confirmed)
{
    document.commandChoices().sortAscending = options.keys[0].ascending;
    document.commandChoices().sortComparesNumbers = options.comparesNumbers;
    document.resetSearchField();
    if (!confirmed)
        return;
    UndoGroup group(document.undoManager());
    document.setRowsArrayUndoable(sorted(document.rowArrays(), options));
    document.undoManager().setActionName(QStringLiteral("LSUDSortRows"));
}

} // namespace CSVSortRows

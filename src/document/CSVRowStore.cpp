#include "CSVRowStore.h"

#include "foundation/NotFound.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

// Puts the i-th row at the i-th smallest index, in one merging pass, so putting back a million
// removed rows stays linear. Indexes past the end append.
void insertRowsAt(CSVRowList &list, const CSVRowList &rows, const IndexSet &indexes)
{
    Q_ASSERT(qint64(rows.size()) == indexes.count());
    CSVRowList merged;
    merged.reserve(list.size() + rows.size());
    auto kept = list.begin();
    auto inserted = rows.begin();
    for (const IndexSet::Range &range : indexes.ranges()) {
        while (qint64(merged.size()) < range.location && kept != list.end())
            merged.push_back(std::move(*kept++));
        for (qint64 i = 0; i < range.length; ++i)
            merged.push_back(*inserted++);
    }
    std::move(kept, list.end(), std::back_inserter(merged));
    list = std::move(merged);
}

CSVRowList takeRowsAt(CSVRowList &list, const IndexSet &indexes)
{
    CSVRowList taken;
    taken.reserve(size_t(indexes.count()));
    CSVRowList kept;
    kept.reserve(list.size() - size_t(indexes.count()));
    qint64 next = 0;
    for (const IndexSet::Range &range : indexes.ranges()) {
        for (; next < range.location; ++next)
            kept.push_back(std::move(list[size_t(next)]));
        for (; next < range.end(); ++next)
            taken.push_back(std::move(list.at(size_t(next))));
    }
    for (; next < qint64(list.size()); ++next)
        kept.push_back(std::move(list[size_t(next)]));
    list = std::move(kept);
    return taken;
}

// Rows usually come in the order they stand in the list (a selection does), and one walk
// replaces them; the rest are looked up in a map.
void replaceRowsIn(CSVRowList &list, const CSVRowList &oldRows, const CSVRowList &newRows)
{
    size_t next = 0;
    for (size_t i = 0; i < list.size() && next < oldRows.size(); ++i) {
        if (list[i] == oldRows[next])
            list[i] = newRows[next++];
    }
    if (next == oldRows.size())
        return;
    std::unordered_map<const CSVRow *, const CSVRowPtr *> replacements;
    replacements.reserve(oldRows.size() - next);
    for (size_t i = next; i < oldRows.size(); ++i)
        replacements.emplace(oldRows[i].get(), &newRows[i]);
    for (CSVRowPtr &row : list) {
        const auto found = replacements.find(row.get());
        if (found != replacements.end())
            row = *found->second;
    }
}

} // namespace

// Rows usually come in the order they stand in the list (a selection does), and one walk finds
// them; otherwise they are looked up in a set.
IndexSet CSVRowStore::indexesIn(const CSVRowList &list, const CSVRowList &wanted)
{
    IndexSet indexes;
    auto next = wanted.begin();
    for (size_t i = 0; i < list.size() && next != wanted.end(); ++i) {
        if (list[i] == *next) {
            indexes.add(qint64(i));
            ++next;
        }
    }
    if (next == wanted.end())
        return indexes;
    std::unordered_set<const CSVRow *> set;
    set.reserve(wanted.size());
    for (const CSVRowPtr &row : wanted)
        set.insert(row.get());
    indexes.clear();
    for (size_t i = 0; i < list.size(); ++i) {
        if (set.contains(list[i].get()))
            indexes.add(qint64(i));
    }
    return indexes;
}

qint64 CSVRowStore::indexOf(const CSVRowPtr &row) const
{
    // Looks from both ends at once: commands remove rows from the last to the first, and rows
    // near either end of a million are then found at once.
    for (qint64 front = 0, back = count() - 1; front <= back; ++front, --back) {
        if (m_rows[size_t(front)] == row)
            return front;
        if (m_rows[size_t(back)] == row)
            return back;
    }
    return NotFound;
}

CSVRowStore::Positions CSVRowStore::positionsOf(const CSVRowList &rows) const
{
    return {indexesIn(m_rows, rows),
            m_filteredRows ? indexesIn(*m_filteredRows, rows) : IndexSet()};
}

void CSVRowStore::insert(qint64 index, CSVRowPtr row)
{
    m_rows.insert(m_rows.begin() + index, std::move(row));
}

void CSVRowStore::insert(qint64 index, const CSVRowList &rows)
{
    m_rows.insert(m_rows.begin() + index, rows.begin(), rows.end());
}

void CSVRowStore::insert(const CSVRowList &rows, const IndexSet &indexes)
{
    insertRowsAt(m_rows, rows, indexes);
}

CSVRowPtr CSVRowStore::takeAt(qint64 index)
{
    CSVRowPtr row = std::move(m_rows.at(size_t(index)));
    m_rows.erase(m_rows.begin() + index);
    return row;
}

CSVRowList CSVRowStore::take(qint64 location, qint64 length)
{
    const auto first = m_rows.begin() + location;
    CSVRowList taken(std::make_move_iterator(first), std::make_move_iterator(first + length));
    m_rows.erase(first, first + length);
    return taken;
}

CSVRowList CSVRowStore::take(const IndexSet &indexes)
{
    return takeRowsAt(m_rows, indexes);
}

void CSVRowStore::replace(const CSVRowList &oldRows, const CSVRowList &newRows)
{
    Q_ASSERT(oldRows.size() == newRows.size());
    replaceRowsIn(m_rows, oldRows, newRows);
    if (m_filteredRows)
        replaceRowsIn(*m_filteredRows, oldRows, newRows);
}

qint64 CSVRowStore::removeFromFilter(const CSVRowPtr &row)
{
    if (!m_filteredRows)
        return NotFound;
    const auto it = std::find(m_filteredRows->rbegin(), m_filteredRows->rend(), row);
    if (it == m_filteredRows->rend())
        return NotFound;
    const auto position = m_filteredRows->erase(std::next(it).base());
    return qint64(position - m_filteredRows->begin());
}

void CSVRowStore::insertInFilter(qint64 index, const CSVRowPtr &row)
{
    if (m_filteredRows && index >= 0 && index <= qint64(m_filteredRows->size()))
        m_filteredRows->insert(m_filteredRows->begin() + index, row);
}

CSVRowList CSVRowStore::takeFromFilter(const IndexSet &indexes)
{
    return m_filteredRows ? takeRowsAt(*m_filteredRows, indexes) : CSVRowList();
}

void CSVRowStore::insertInFilter(const CSVRowList &rows, const IndexSet &indexes)
{
    if (m_filteredRows)
        insertRowsAt(*m_filteredRows, rows, indexes);
}

void CSVRowStore::removeFromFilterRowsLike(const CSVRowList &rows)
{
    if (!m_filteredRows || rows.empty())
        return;
    std::unordered_multimap<size_t, const CSVRow *> byContent;
    for (const CSVRowPtr &row : rows)
        byContent.emplace(row->contentHash(), row.get());
    std::erase_if(*m_filteredRows, [&byContent](const CSVRowPtr &row) {
        const auto [first, last] = byContent.equal_range(row->contentHash());
        return std::any_of(first, last,
                           [&row](const auto &entry) { return entry.second->hasSameCells(*row); });
    });
}

void CSVRowStore::replaceInFilter(const CSVRowPtr &oldRow, const CSVRowPtr &newRow)
{
    if (!m_filteredRows)
        return;
    std::replace(m_filteredRows->begin(), m_filteredRows->end(), oldRow, newRow);
}

std::pair<qint64, qint64> CSVRowStore::rowLengthRange() const
{
    if (m_rows.empty())
        return {0, 0};
    qint64 shortest = m_rows.front()->count();
    qint64 longest = shortest;
    for (const CSVRowPtr &row : m_rows) {
        shortest = std::min<qint64>(shortest, row->count());
        longest = std::max<qint64>(longest, row->count());
    }
    return {shortest, longest};
}

void CSVRowStore::padRows(qint64 count)
{
    for (const CSVRowPtr &row : m_rows)
        row->padTo(count);
}

#include "CSVDuplicateSearch.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr qint64 s_progressInterval = 4096;

QAnyStringView cellAt(const CSVRow &row, qint64 position)
{
    return position < row.count() ? row.view(position) : QAnyStringView(u"");
}

// The same for a cell stored as Latin-1 or as UTF-16: the characters' values are mixed in.
size_t cellHash(QAnyStringView cell)
{
    size_t hash = 14695981039346656037ull;
    const auto mix = [&hash](char16_t c) { hash = (hash ^ c) * 1099511628211ull; };
    cell.visit([&mix](auto text) {
        using Text = decltype(text);
        if constexpr (std::is_same_v<Text, QLatin1StringView>) {
            for (char c : text)
                mix(uchar(c));
        } else if constexpr (std::is_same_v<Text, QStringView>) {
            for (QChar c : text)
                mix(c.unicode());
        } else {
            for (QChar c : text.toString())
                mix(c.unicode());
        }
    });
    return hash;
}

constexpr qint32 s_notInGroup = -1;

// The slot of an open-addressing table of the first row of each distinct content: the high
// half of the hash (the low half chose the slot) and the row.
struct Slot
{
    quint32 tag = 0;
    qint32 row = s_notInGroup;
};

// Hashes are taken this many rows ahead and their slots fetched meanwhile: a million rows'
// table is far larger than the caches.
constexpr qint64 s_lookAhead = 8;

} // namespace

CSVDuplicateSearch::CSVDuplicateSearch(CSVRowList rows, qint64 keyPosition, Purpose purpose)
    : m_rows(std::move(rows)), m_keyPosition(keyPosition), m_purpose(purpose)
{}

size_t CSVDuplicateSearch::hashOf(const CSVRow &row) const
{
    return m_keyPosition == s_wholeRows ? row.contentHash() : cellHash(cellAt(row, m_keyPosition));
}

bool CSVDuplicateSearch::isSame(const CSVRow &a, const CSVRow &b) const
{
    if (m_keyPosition == s_wholeRows)
        return a.hasSameCells(b);
    return QAnyStringView::equal(cellAt(a, m_keyPosition), cellAt(b, m_keyPosition));
}

bool CSVDuplicateSearch::run(const Progress &progress)
{
    std::vector<qint32> groups(m_rows.size(), s_notInGroup);
    if (!group(groups, progress))
        return false;
    for (size_t index = 0; index < groups.size(); ++index) {
        if (groups[index] != s_notInGroup)
            m_found.add(qint64(index));
    }
    if (m_purpose == Purpose::Show)
        sortShownRows(groups);
    return true;
}

// Rows in file order: a row whose content is in the table repeats the row that put it there,
// the lowest index of its group. The rows found get the index of that first row.
bool CSVDuplicateSearch::group(std::vector<qint32> &groups, const Progress &progress) const
{
    const qint64 n = rowCount();
    std::vector<Slot> table(std::bit_ceil(size_t(std::max<qint64>(16, 2 * n))));
    const size_t mask = table.size() - 1;
    std::array<size_t, s_lookAhead> hashes{};
    const auto fetch = [&](qint64 j) {
        const size_t hash = hashOf(*m_rows[size_t(j)]);
        hashes[size_t(j % s_lookAhead)] = hash;
        __builtin_prefetch(&table[hash & mask]);
    };
    for (qint64 j = 0; j < std::min(n, s_lookAhead); ++j)
        fetch(j);
    for (qint64 j = 0; j < n; ++j) {
        if (j % s_progressInterval == 0 && !progress(j + 1))
            return false;
        const size_t hash = hashes[size_t(j % s_lookAhead)];
        if (j + s_lookAhead < n)
            fetch(j + s_lookAhead);
        const CSVRow &row = *m_rows[size_t(j)];
        const auto tag = quint32(hash >> 32);
        size_t slot = hash & mask;
        while (table[slot].row != s_notInGroup &&
               (table[slot].tag != tag || !isSame(*m_rows[size_t(table[slot].row)], row)))
            slot = (slot + 1) & mask;
        if (table[slot].row == s_notInGroup) {
            table[slot] = {tag, qint32(j)};
            continue;
        }
        groups[size_t(j)] = table[slot].row;
        if (m_purpose == Purpose::Show)
            groups[size_t(table[slot].row)] = table[slot].row;
    }
    return n == 0 || progress(n);
}

// Every row of a group has the same sort key: one key a group, the groups in their order, and
// the rows of each group in file order.
void CSVDuplicateSearch::sortShownRows(const std::vector<qint32> &groups)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Group
    {
        QCollatorSortKey key;
        std::vector<qint32> rows;
    };
    std::vector<Group> sorted;
    std::vector<qint32> position(groups.size(), s_notInGroup);
    for (qint64 index : m_found) {
        const qint32 first = groups[size_t(index)];
        if (first == index) {
            const CSVRow &row = *m_rows[size_t(index)];
            position[size_t(index)] = qint32(sorted.size());
            sorted.push_back(
                {collator.sortKey(m_keyPosition == s_wholeRows ? row.allValues()
                                                               : row.objectAtIndex(m_keyPosition)),
                 {}});
        }
        sorted[size_t(position[size_t(first)])].rows.push_back(qint32(index));
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Group &a, const Group &b) { return a.key.compare(b.key) < 0; });
    m_shownRows.reserve(size_t(m_found.count()));
    for (const Group &g : sorted) {
        for (qint32 index : g.rows)
            m_shownRows.push_back(m_rows[size_t(index)]);
    }
}

#include "CSVDuplicateSearch.h"

#include <QCollator>

#include <algorithm>
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

// The slot of an open-addressing table of the first row of each distinct content.
struct Slot
{
    size_t hash = 0;
    qint64 row = -1;
};

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
    std::vector<char> marks(m_rows.size(), 0);
    if (!mark(marks, progress))
        return false;
    for (size_t index = 0; index < marks.size(); ++index) {
        if (marks[index])
            m_found.add(qint64(index));
    }
    if (m_purpose == Purpose::Show)
        sortShownRows();
    return true;
}

// Rows in file order: a row whose content is in the table repeats the row that put it there,
// the lowest index of its group.
bool CSVDuplicateSearch::mark(std::vector<char> &marks, const Progress &progress) const
{
    const qint64 n = rowCount();
    std::vector<Slot> table(std::bit_ceil(size_t(std::max<qint64>(16, 2 * n))));
    const size_t mask = table.size() - 1;
    for (qint64 j = 0; j < n; ++j) {
        if (j % s_progressInterval == 0 && !progress(j + 1))
            return false;
        const CSVRow &row = *m_rows[size_t(j)];
        const size_t hash = hashOf(row);
        size_t slot = hash & mask;
        while (table[slot].row >= 0 &&
               (table[slot].hash != hash || !isSame(*m_rows[size_t(table[slot].row)], row)))
            slot = (slot + 1) & mask;
        if (table[slot].row < 0) {
            table[slot] = {hash, j};
            continue;
        }
        marks[size_t(j)] = 1;
        if (m_purpose == Purpose::Show)
            marks[size_t(table[slot].row)] = 1;
    }
    return n == 0 || progress(n);
}

void CSVDuplicateSearch::sortShownRows()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Entry
    {
        QCollatorSortKey key;
        CSVRowPtr row;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(m_found.count()));
    for (qint64 index : m_found) {
        const CSVRowPtr &row = m_rows[size_t(index)];
        entries.push_back(
            {collator.sortKey(m_keyPosition == s_wholeRows ? row->allValues()
                                                           : row->objectAtIndex(m_keyPosition)),
             row});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &a, const Entry &b) { return a.key.compare(b.key) < 0; });
    m_shownRows.reserve(entries.size());
    for (Entry &entry : entries)
        m_shownRows.push_back(std::move(entry.row));
}

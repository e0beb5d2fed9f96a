#include "IndexSet.h"

#include "NotFound.h"

#include <algorithm>

IndexSet::const_iterator::const_iterator(std::vector<Range>::const_iterator range,
                                         std::vector<Range>::const_iterator end)
    : m_range(range), m_end(end), m_index(range == end ? 0 : range->location)
{}

IndexSet::const_iterator &IndexSet::const_iterator::operator++()
{
    ++m_index;
    if (m_index == m_range->end()) {
        ++m_range;
        m_index = m_range == m_end ? 0 : m_range->location;
    }
    return *this;
}

IndexSet::const_iterator IndexSet::const_iterator::operator++(int)
{
    const_iterator before = *this;
    ++*this;
    return before;
}

IndexSet::IndexSet(std::initializer_list<qint64> indexes)
{
    for (qint64 index : indexes)
        add(index);
}

IndexSet IndexSet::fromRange(qint64 location, qint64 length)
{
    IndexSet set;
    set.addRange(location, length);
    return set;
}

std::vector<IndexSet::Range>::const_iterator IndexSet::firstRangeEndingAfter(qint64 index) const
{
    return std::lower_bound(m_ranges.begin(), m_ranges.end(), index,
                            [](const Range &r, qint64 i) { return r.end() <= i; });
}

bool IndexSet::containsRange(qint64 location, qint64 length) const
{
    if (length <= 0)
        return true;
    const auto it = firstRangeEndingAfter(location);
    return it != m_ranges.end() && it->location <= location && location + length <= it->end();
}

bool IndexSet::intersectsRange(qint64 location, qint64 length) const
{
    const auto it = firstRangeEndingAfter(location);
    return length > 0 && it != m_ranges.end() && it->location < location + length;
}

IndexSet IndexSet::indexesInRange(qint64 location, qint64 length) const
{
    IndexSet result;
    if (length <= 0)
        return result;
    const qint64 end = location + length;
    for (auto it = firstRangeEndingAfter(location); it != m_ranges.end() && it->location < end;
         ++it) {
        const qint64 first = std::max(it->location, location);
        const qint64 last = std::min(it->end(), end);
        result.m_ranges.push_back({first, last - first});
        result.m_count += last - first;
    }
    return result;
}

qint64 IndexSet::firstIndex() const
{
    return m_ranges.empty() ? NotFound : m_ranges.front().location;
}

qint64 IndexSet::lastIndex() const
{
    return m_ranges.empty() ? NotFound : m_ranges.back().end() - 1;
}

void IndexSet::addRange(qint64 location, qint64 length)
{
    if (length <= 0 || location < 0)
        return;
    qint64 begin = location;
    qint64 end = location + length;
    // The first range that touches or follows [begin, end), and the first one past it.
    auto first = std::lower_bound(m_ranges.begin(), m_ranges.end(), begin,
                                  [](const Range &r, qint64 b) { return r.end() < b; });
    auto last = first;
    while (last != m_ranges.end() && last->location <= end) {
        begin = std::min(begin, last->location);
        end = std::max(end, last->end());
        m_count -= last->length;
        ++last;
    }
    m_count += end - begin;
    if (first == last) {
        m_ranges.insert(first, Range{begin, end - begin});
        return;
    }
    *first = Range{begin, end - begin};
    m_ranges.erase(first + 1, last);
}

void IndexSet::add(const IndexSet &other)
{
    for (const Range &range : other.m_ranges)
        addRange(range.location, range.length);
}

void IndexSet::removeRange(qint64 location, qint64 length)
{
    if (length <= 0)
        return;
    const qint64 end = location + length;
    if (isEmpty() || end <= m_ranges.front().location || location >= m_ranges.back().end())
        return;
    std::vector<Range> kept;
    kept.reserve(m_ranges.size() + 1);
    auto it = firstRangeEndingAfter(location);
    kept.insert(kept.end(), m_ranges.cbegin(), it);
    for (; it != m_ranges.end() && it->location < end; ++it) {
        if (it->location < location)
            kept.push_back({it->location, location - it->location});
        if (it->end() > end)
            kept.push_back({end, it->end() - end});
        m_count -= std::min(it->end(), end) - std::max(it->location, location);
    }
    kept.insert(kept.end(), it, m_ranges.cend());
    m_ranges = std::move(kept);
}

void IndexSet::clear()
{
    m_ranges.clear();
    m_count = 0;
}

void IndexSet::shiftIndexes(qint64 startIndex, qint64 delta)
{
    if (delta < 0)
        removeRange(startIndex + delta, -delta);
    IndexSet shifted;
    for (const Range &range : m_ranges) {
        if (range.end() <= startIndex) {
            shifted.addRange(range.location, range.length);
        } else if (range.location >= startIndex) {
            shifted.addRange(range.location + delta, range.length);
        } else {
            shifted.addRange(range.location, startIndex - range.location);
            shifted.addRange(startIndex + delta, range.end() - startIndex);
        }
    }
    *this = std::move(shifted);
}

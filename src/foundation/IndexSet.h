#pragma once

#include <QtGlobal>

#include <initializer_list>
#include <iterator>
#include <vector>

// A set of non-negative indexes kept as sorted, disjoint, non-adjacent ranges, so selecting a
// million rows, shifting them and walking them costs in the number of ranges, not of indexes.
class IndexSet
{
public:
    struct Range
    {
        qint64 location = 0;
        qint64 length = 0;
        qint64 end() const { return location + length; }
        bool operator==(const Range &) const = default;
    };

    // Walks the indexes in ascending order.
    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = qint64;
        using difference_type = std::ptrdiff_t;
        using pointer = const qint64 *;
        using reference = qint64;

        const_iterator() = default;
        qint64 operator*() const { return m_index; }
        const_iterator &operator++();
        const_iterator operator++(int);
        bool operator==(const const_iterator &other) const
        {
            return m_range == other.m_range && m_index == other.m_index;
        }

    private:
        friend class IndexSet;
        const_iterator(std::vector<Range>::const_iterator range,
                       std::vector<Range>::const_iterator end);
        std::vector<Range>::const_iterator m_range;
        std::vector<Range>::const_iterator m_end;
        qint64 m_index = 0;
    };

    IndexSet() = default;
    IndexSet(std::initializer_list<qint64> indexes);
    static IndexSet fromRange(qint64 location, qint64 length);

    bool operator==(const IndexSet &) const = default;

    bool isEmpty() const { return m_ranges.empty(); }
    qint64 count() const { return m_count; }
    bool contains(qint64 index) const { return containsRange(index, 1); }
    // Whether every index, or some index, of [location, location + length) is in the set.
    bool containsRange(qint64 location, qint64 length) const;
    bool intersectsRange(qint64 location, qint64 length) const;
    // The indexes of the set in [location, location + length), found without walking the rest.
    IndexSet indexesInRange(qint64 location, qint64 length) const;
    // The smallest and largest index; the not-found index when the set is empty.
    qint64 firstIndex() const;
    qint64 lastIndex() const;
    const std::vector<Range> &ranges() const { return m_ranges; }

    void add(qint64 index) { addRange(index, 1); }
    void addRange(qint64 location, qint64 length);
    void add(const IndexSet &other);
    void remove(qint64 index) { removeRange(index, 1); }
    void removeRange(qint64 location, qint64 length);
    void clear();

    // Moves every index at or after startIndex by delta. A negative delta first drops the
    // indexes in [startIndex + delta, startIndex), as removing rows there would.
    void shiftIndexes(qint64 startIndex, qint64 delta);

    const_iterator begin() const { return {m_ranges.begin(), m_ranges.end()}; }
    const_iterator end() const { return {m_ranges.end(), m_ranges.end()}; }

private:
    // The first range that ends after the index.
    std::vector<Range>::const_iterator firstRangeEndingAfter(qint64 index) const;

    std::vector<Range> m_ranges;
    qint64 m_count = 0;
};

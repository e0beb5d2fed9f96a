#pragma once

#include "document/CSVRow.h"

#include <QtGlobal>

#include <cstdint>
#include <vector>

// The collation keys of one cell position of every row, computed once per row, so that sorting
// a million rows compares bytes instead of calling the collator twenty million times. The keys
// follow the user's locale and ignore letter case; digits compare as characters, or, when asked,
// runs of digits by their value (9 before 10).
class CSVSortKeys
{
public:
    CSVSortKeys(const CSVRowList &rows, qint64 position, bool comparesNumbers);

    // The first eight bytes of the key of row, most significant first: keys with different
    // prefixes sort as their prefixes do.
    quint64 prefix(size_t row) const { return m_prefixes[row]; }
    // Below 0, 0 or above 0 as the key of row a sorts before, with or after that of row b.
    int compare(size_t a, size_t b) const;

private:
    std::vector<quint64> m_prefixes;
    std::vector<size_t> m_ends;
    std::vector<uint8_t> m_bytes;
};

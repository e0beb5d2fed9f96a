#pragma once

#include "document/CSVRow.h"

#include <optional>
#include <string>
#include <vector>

// The test of the search filter: a row passes when the search text occurs in its "allValues"
// (its cells joined with one blank), or, with columns ticked, in the cell of one of them. Both
// texts are compared loosely (see CSVTextFolding): without regard to case or diacritical marks.
// The whole text is one literal term.
class CSVRowFilter
{
public:
    // positions: the cell positions of the ticked columns; none for all columns.
    CSVRowFilter(QStringView text, std::optional<std::vector<qint64>> positions);

    // scratch is the caller's, reused from row to row.
    bool passes(const CSVRow &row, std::string &scratch) const;
    // The rows that pass, in their order. A million rows are tested on every core at once; the
    // caller waits, so nothing changes the rows meanwhile.
    CSVRowList filter(const CSVRowList &rows) const;

private:
    bool occursIn(const std::string &folded, qsizetype length) const;

    // Folded as UTF-8: the rows are searched byte by byte.
    std::string m_text;
    std::optional<std::vector<qint64>> m_positions;
};

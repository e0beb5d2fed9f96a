#pragma once

#include "document/CSVRow.h"

#include "foundation/IndexSet.h"

#include <functional>

// The search of the duplicate-row commands. It runs on a worker: it only reads the rows it was
// given (the document's rows, which nothing changes meanwhile) and fills its own result.
//
// Rows are compared whole (the same number of cells, every cell equal, hidden cells too) or by
// the cell at one position (the empty text past the end of a short row); cells are equal when
// their texts are identical, letter case included. Rows fall into groups by a hash of what is
// compared, and only rows of the same hash are compared for real, so a million rows take one
// pass instead of half a million million comparisons. The result is the same as comparing each
// row with every row before it.
class CSVDuplicateSearch
{
public:
    enum class Purpose {
        // Every row equal to an earlier row: the first row of each group stays.
        Remove,
        // Every row of a group of two or more, sorted so that each group stands together.
        Show,
    };
    static constexpr qint64 s_wholeRows = -1;

    // Asked before the rows are examined, every few thousand rows and after the last, with the
    // number of rows examined so far; answering false stops the search.
    using Progress = std::function<bool(qint64 examined)>;

    // At most 2^31 - 1 rows.
    CSVDuplicateSearch(CSVRowList rows, qint64 keyPosition, Purpose purpose);

    qint64 rowCount() const { return qint64(m_rows.size()); }
    qint64 keyPosition() const { return m_keyPosition; }
    Purpose purpose() const { return m_purpose; }

    // Answers false when progress stopped it; the results are then empty.
    bool run(const Progress &progress);

    // Indexes into the rows searched.
    const IndexSet &found() const { return m_found; }
    // For Show: the rows found, sorted ignoring case by their joined text (whole rows) or
    // their key cell, in the user's locale.
    const CSVRowList &shownRows() const { return m_shownRows; }

private:
    size_t hashOf(const CSVRow &row) const;
    bool isSame(const CSVRow &a, const CSVRow &b) const;
    bool group(std::vector<qint32> &groups, const Progress &progress) const;
    void sortShownRows(const std::vector<qint32> &groups);

    CSVRowList m_rows;
    qint64 m_keyPosition;
    Purpose m_purpose;
    IndexSet m_found;
    CSVRowList m_shownRows;
};

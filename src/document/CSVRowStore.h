#pragma once

#include "CSVRow.h"

#include "foundation/IndexSet.h"

#include <optional>
#include <utility>

// The rows of a document and, while a search filter or the duplicate-rows view is in force, the
// filtered list: the very same row objects, in the order of the rows. Changes here are plain;
// the document records their inverses.
class CSVRowStore
{
public:
    const CSVRowList &rows() const { return m_rows; }
    void setRows(CSVRowList rows) { m_rows = std::move(rows); }
    // Takes rows and answers the rows it had.
    CSVRowList exchangeRows(CSVRowList rows) { return std::exchange(m_rows, std::move(rows)); }
    qint64 count() const { return qint64(m_rows.size()); }
    const CSVRowPtr &at(qint64 index) const { return m_rows.at(size_t(index)); }

    bool hasFilter() const { return m_filteredRows.has_value(); }
    const CSVRowList *filteredRows() const { return m_filteredRows ? &*m_filteredRows : nullptr; }
    void setFilteredRows(std::optional<CSVRowList> rows) { m_filteredRows = std::move(rows); }
    // The filtered list when there is one, else all rows.
    const CSVRowList &displayRows() const { return m_filteredRows ? *m_filteredRows : m_rows; }

    // The index of that very row object, or the not-found index.
    qint64 indexOf(const CSVRowPtr &row) const;
    // Where these row objects stand among the rows and in the filtered list; rows absent from
    // a list have no index there.
    struct Positions
    {
        IndexSet rows;
        IndexSet filtered;
    };
    Positions positionsOf(const CSVRowList &rows) const;
    // Where the wanted row objects stand in list. Quick when they come in the list's order.
    static IndexSet indexesIn(const CSVRowList &list, const CSVRowList &wanted);

    void insert(qint64 index, CSVRowPtr row);
    void insert(qint64 index, const CSVRowList &rows);
    // Puts the i-th row at the i-th smallest index.
    void insert(const CSVRowList &rows, const IndexSet &indexes);
    CSVRowPtr takeAt(qint64 index);
    CSVRowList take(qint64 location, qint64 length);
    CSVRowList take(const IndexSet &indexes);
    void replace(qint64 index, CSVRowPtr row) { m_rows.at(size_t(index)) = std::move(row); }
    // Puts the i-th new row where the i-th old row stands, in the rows and the filtered list.
    void replace(const CSVRowList &oldRows, const CSVRowList &newRows);

    // The filtered list's share of a change to the rows. removeFromFilter answers the index the
    // row had there, or the not-found index.
    qint64 removeFromFilter(const CSVRowPtr &row);
    void insertInFilter(qint64 index, const CSVRowPtr &row);
    CSVRowList takeFromFilter(const IndexSet &indexes);
    // Indexes past the end of the filtered list append.
    void insertInFilter(const CSVRowList &rows, const IndexSet &indexes);
    void removeFromFilterRowsLike(const CSVRowList &rows);
    void replaceInFilter(const CSVRowPtr &oldRow, const CSVRowPtr &newRow);

    // Length of the shortest and the longest row; both 0 without rows.
    std::pair<qint64, qint64> rowLengthRange() const;
    // Pads every row shorter than count with empty cells.
    void padRows(qint64 count);

private:
    CSVRowList m_rows;
    std::optional<CSVRowList> m_filteredRows;
};

#pragma once

#include "foundation/IndexSet.h"

// The table's selection: row indexes into the visible rows and column indexes into the
// display order. Columns keep their selection when columns are inserted, removed or moved;
// rows keep their indexes, as a table does across a reload, and lose those past the end.
class CSVSelection
{
public:
    const IndexSet &rows() const { return m_rows; }
    const IndexSet &columns() const { return m_columns; }

    void selectRows(const IndexSet &rows, bool extend);
    void deselectRows(qint64 location, qint64 length) { m_rows.removeRange(location, length); }
    void limitRows(qint64 rowCount);
    void selectColumns(const IndexSet &columns, bool extend);

    void columnInserted(qint64 index) { m_columns.shiftIndexes(index, 1); }
    void columnRemoved(qint64 index) { m_columns.shiftIndexes(index + 1, -1); }
    void columnMoved(qint64 from, qint64 to);

private:
    IndexSet m_rows;
    IndexSet m_columns;
};

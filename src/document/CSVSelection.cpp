#include "CSVSelection.h"

#include "foundation/NotFound.h"

void CSVSelection::selectRows(const IndexSet &rows, bool extend)
{
    if (!extend)
        m_rows.clear();
    m_rows.add(rows);
}

void CSVSelection::limitRows(qint64 rowCount)
{
    if (!m_rows.isEmpty() && m_rows.lastIndex() >= rowCount)
        m_rows.removeRange(rowCount, m_rows.lastIndex() - rowCount + 1);
}

void CSVSelection::selectColumns(const IndexSet &columns, bool extend)
{
    if (!extend)
        m_columns.clear();
    m_columns.add(columns);
}

void CSVSelection::columnMoved(qint64 from, qint64 to)
{
    const bool wasSelected = m_columns.contains(from);
    columnRemoved(from);
    columnInserted(to);
    if (wasSelected)
        m_columns.add(to);
}

#include "CSVRowDrag.h"

#include "document/CSVDocument.h"

#include <algorithm>

bool CSVRowDrag::begin(CSVDocument &document, const IndexSet &rows)
{
    if (document.filteredRowArrays() || !document.isEditable() || document.rowArrays().size() < 2 ||
        rows.isEmpty())
        return false;
    m_indexesOfMovedRows = rows;
    return true;
}

bool CSVRowDrag::validateDrop(qint64 row) const
{
    return !m_indexesOfMovedRows.contains(row);
}

IndexSet CSVRowDrag::destinationIndexes(const IndexSet &moved, qint64 row)
{
    qint64 target = std::max<qint64>(row, 0);
    if (moved.firstIndex() < target)
        target -= moved.indexesInRange(0, target).count();
    return IndexSet::fromRange(target, moved.count());
}

bool CSVRowDrag::acceptDrop(CSVDocument &document, qint64 row)
{
    const qint64 rowCount = qint64(document.rowArrays().size());
    if (m_indexesOfMovedRows.isEmpty() || row < 0 || row > rowCount ||
        m_indexesOfMovedRows.lastIndex() >= rowCount || !validateDrop(row))
        return false;
    CSVRowList moved;
    for (qint64 index : m_indexesOfMovedRows)
        moved.push_back(document.rowArrays().at(size_t(index)));
    UndoGroup group(document.undoManager());
    document.selectRowIndexes({}, false);
    document.removeCSVRowsAtIndexes(m_indexesOfMovedRows);
    document.insertCSVRowsAtIndexes(moved, destinationIndexes(m_indexesOfMovedRows, row));
    document.undoManager().setActionName(QStringLiteral("LSUDRowsMoved"));
    return true;
}

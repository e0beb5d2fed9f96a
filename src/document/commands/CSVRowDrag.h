#pragma once

#include "foundation/IndexSet.h"

class CSVDocument;

// Reordering rows by dragging them within their table, in three steps: the drag starts, each
// proposed drop is validated, the drop moves the rows. The dragged rows end up as one block, in
// their order, just above the row that was below the drop point: one step "LSUDRowsMoved".
class CSVRowDrag
{
public:
    // The drag type the table declares, with empty data.
    static constexpr char s_draggingType[] = "DRAGGING_TYPE_ROWS";

    // Refused while a filter or the duplicate-rows view is shown (the visible rows are not the
    // document's rows), in a read-only document, or with fewer than 2 rows. Otherwise the rows
    // are remembered until the next drag starts.
    bool begin(CSVDocument &document, const IndexSet &rows);
    const IndexSet &indexesOfMovedRows() const { return m_indexesOfMovedRows; }

    // A drop in the gap above row `row` (the row count: below the last), refused on a dragged
    // row.
    bool validateDrop(qint64 row) const;
    bool acceptDrop(CSVDocument &document, qint64 row);

    // Where the moved entries land when the entries at `moved` of a list are dropped above entry
    // `row`: consecutive indexes from the drop point, counted once they are out of the list.
    // Every list reordered by dragging moves its entries by this.
    static IndexSet destinationIndexes(const IndexSet &moved, qint64 row);

private:
    IndexSet m_indexesOfMovedRows;
};

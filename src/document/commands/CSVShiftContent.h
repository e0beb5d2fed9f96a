#pragma once

class CSVDocument;

// Moves the cells of each selected row one shown column to the left (tag 0) or to the right
// (any other tag), across the columns as they are shown: after the user dragged columns into
// another order, left is towards the column shown first. Cells that no shown column displays
// stay where they are. Each row is replaced by its changed copy, in the rows and in the
// filtered list, so the table shows it in the same place, still selected. Nothing happens
// without a selected row.
namespace CSVShiftContent {

// The cell moving out at the edge is lost and an empty cell comes in at the other: step
// "LSUDShiftRows".
void shiftContent(CSVDocument &document, int tag);

// The cell moving out at one edge comes in at the other: step "LSUDRotateRows".
void rotateContent(CSVDocument &document, int tag);

} // namespace CSVShiftContent

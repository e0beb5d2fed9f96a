#pragma once

class CSVDocument;

// Emptying cells with the Delete key.
namespace CSVEmptyCells {

// Empties every shown cell of the selected rows and of the selected columns, as one undoable
// step; cells already empty stay out of the step. A read-only document is left alone.
void emptySelectedCells(CSVDocument &document);

} // namespace CSVEmptyCells

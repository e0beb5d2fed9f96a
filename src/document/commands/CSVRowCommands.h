#pragma once

#include "document/CSVRow.h"

class CSVDocument;

// The row commands that need no question and no sheet. Each is one undo step.
namespace CSVRowCommands {

// count new, distinct rows of numberOfColumns empty cells.
CSVRowList emptyRows(const CSVDocument &document, qint64 count);

// Clears the search filter, then appends one empty row, selected and scrolled to.
void addNewRow(CSVDocument &document);

// The cells of the selected row become the column titles, each column taking the cell at its
// own position whatever its place on screen, and the row goes. The header row read from the
// file stays as it was: the titles alone carry the header from now on. The window offers this
// for exactly one selected row; with several, the last one is taken.
void selectedRowIsHeader(CSVDocument &document);

} // namespace CSVRowCommands

#pragma once

#include <QtGlobal>

class CSVCellWidthMeasure;
class CSVDocument;

// Fitting columns to their contents: each column becomes as wide as its widest cell among the
// visible rows (not its title), and never narrower than its minimum width. Not undoable, no
// unsaved change.
namespace CSVColumnWidths {

// The widest cell of the column at that display position, over the visible rows; 0 without
// rows.
double naturalWidth(CSVDocument &document, qint64 column, const CSVCellWidthMeasure &measure);

void fitSelectedColumns(CSVDocument &document, const CSVCellWidthMeasure &measure);
void fitAllColumns(CSVDocument &document, const CSVCellWidthMeasure &measure);

} // namespace CSVColumnWidths

#pragma once

class CSVCellWidthMeasure;
class CSVDocument;

// Fitting columns to their contents: each column becomes as wide as its widest cell among the
// visible rows (not its title), and never narrower than its minimum width. Not undoable, no
// unsaved change.
namespace CSVColumnWidths {

void fitSelectedColumns(CSVDocument &document, const CSVCellWidthMeasure &measure);
void fitAllColumns(CSVDocument &document, const CSVCellWidthMeasure &measure);

} // namespace CSVColumnWidths

#pragma once

#include <QtGlobal>

#include <vector>

class CSVDocument;

// The "Convert to" and "Empty" commands over the selected columns.
namespace CSVConvertContent {

// The cell positions of the selected columns, in display order.
std::vector<qint64> selectedColumnPositions(const CSVDocument &document);

// Converts the cells of the selected columns in every row, the rows a search filter hides
// included, by the tag of CSVTextConversion, and names the step after it. Every cell is
// written, changed or not, with no question; without a selected column nothing happens.
void convertColumnContent(CSVDocument &document, int tag);

} // namespace CSVConvertContent

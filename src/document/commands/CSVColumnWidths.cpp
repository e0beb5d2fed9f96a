#include "CSVColumnWidths.h"

#include "CSVCellWidthMeasure.h"

#include "document/CSVDocument.h"

#include "foundation/LocalizedStrings.h"

#include <vector>

namespace CSVColumnWidths {

namespace {

void fit(CSVDocument &document, qint64 column, const CSVCellWidthMeasure &measure)
{
    document.setColumnWidth(column, naturalWidth(document, column, measure));
}

} // namespace

double naturalWidth(CSVDocument &document, qint64 column, const CSVCellWidthMeasure &measure)
{
    const qint64 position = document.tableColumns().at(column).position();
    const CSVRowList &rows = document.displayRowArrays();
    // A cell past the end of a short row shows this text instead.
    const QString undefined = localized("LSUndefinedContent");
    const auto cell = [&](const CSVRow &row) -> QAnyStringView {
        return position >= 0 && position < row.count() ? row.view(position) : undefined;
    };

    // First the cheap estimates; then exact measures of the cells whose estimate is above the
    // widest exact width found so far, starting with the widest estimate.
    std::vector<double> bounds(rows.size());
    size_t widest = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        bounds[i] = measure.upperBound(cell(*rows[i]));
        if (bounds[i] > bounds[widest])
            widest = i;
    }
    double width = rows.empty() ? 0.0 : measure.width(cell(*rows[widest]));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i != widest && bounds[i] > width)
            width = std::max(width, measure.width(cell(*rows[i])));
    }
    return width;
}

void fitSelectedColumns(CSVDocument &document, const CSVCellWidthMeasure &measure)
{
    for (qint64 column : document.selectedColumnIndexes())
        fit(document, column, measure);
}

void fitAllColumns(CSVDocument &document, const CSVCellWidthMeasure &measure)
{
    for (qint64 column = 0; column < document.tableColumns().count(); ++column)
        fit(document, column, measure);
}

} // namespace CSVColumnWidths

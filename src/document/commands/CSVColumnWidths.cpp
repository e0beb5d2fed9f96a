#include "CSVColumnWidths.h"

#include "CSVCellWidthMeasure.h"

#include "document/CSVDocument.h"

#include "foundation/LocalizedStrings.h"

#include <vector>

namespace CSVColumnWidths {

namespace {

// The widest cell of each of the columns (display positions) over the visible rows; 0 without
// rows. Two passes over the rows, each visiting a row once for all the columns, as a million
// rows are far apart in memory: the first finds each column's widest estimate and measures it
// exactly; the second measures exactly only the cells whose estimate beats that.
std::vector<double> naturalWidths(CSVDocument &document, const std::vector<qint64> &columns,
                                  const CSVCellWidthMeasure &measure)
{
    std::vector<qint64> positions;
    for (qint64 column : columns)
        positions.push_back(document.tableColumns().at(column).position());
    const CSVRowList &rows = document.displayRowArrays();
    // A cell past the end of a short row shows this text instead.
    const QString undefined = localized("LSUndefinedContent");
    const auto cell = [&](size_t row, size_t column) -> QAnyStringView {
        const CSVRow &cells = *rows[row];
        const qint64 position = positions[column];
        return position >= 0 && position < cells.count() ? cells.view(position) : undefined;
    };

    struct Widest
    {
        double bound = -1.0;
        size_t row = 0;
        double width = 0.0;
    };
    std::vector<Widest> widest(columns.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t column = 0; column < columns.size(); ++column) {
            const double bound = measure.upperBound(cell(row, column));
            if (bound > widest[column].bound)
                widest[column] = {bound, row, 0.0};
        }
    }
    for (size_t column = 0; column < columns.size() && !rows.empty(); ++column)
        widest[column].width = measure.width(cell(widest[column].row, column));
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t column = 0; column < columns.size(); ++column) {
            Widest &w = widest[column];
            if (row != w.row && measure.upperBound(cell(row, column)) > w.width)
                w.width = std::max(w.width, measure.width(cell(row, column)));
        }
    }
    std::vector<double> widths;
    for (const Widest &w : widest)
        widths.push_back(w.width);
    return widths;
}

void fit(CSVDocument &document, const std::vector<qint64> &columns,
         const CSVCellWidthMeasure &measure)
{
    const std::vector<double> widths = naturalWidths(document, columns, measure);
    for (size_t i = 0; i < columns.size(); ++i) {
        const QString &title = document.tableColumns().at(columns[i]).title();
        document.setColumnWidth(columns[i], std::max(widths[i], measure.titleWidth(title)));
    }
}

} // namespace

void fitSelectedColumns(CSVDocument &document, const CSVCellWidthMeasure &measure)
{
    const IndexSet &selected = document.selectedColumnIndexes();
    fit(document, std::vector<qint64>(selected.begin(), selected.end()), measure);
}

void fitAllColumns(CSVDocument &document, const CSVCellWidthMeasure &measure)
{
    std::vector<qint64> columns;
    for (qint64 column = 0; column < document.tableColumns().count(); ++column)
        columns.push_back(column);
    fit(document, columns, measure);
}

} // namespace CSVColumnWidths

#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVCellWidthMeasure.h"
#include "document/commands/CSVColumnWidths.h"
#include "document/commands/CSVSelectionCommands.h"

#include <gtest/gtest.h>

namespace {

// Ten points per character, but kerning takes three off each "V" pair's second letter, which
// the estimate does not know. Counts the exact measures.
class KerningMeasure : public CSVCellWidthMeasure
{
public:
    double width(QAnyStringView text) const override
    {
        ++m_exactCount;
        const QString string = text.toString();
        return 10.0 * string.size() - 3.0 * string.count(QStringLiteral("VV"));
    }
    double upperBound(QAnyStringView text) const override { return 10.0 * text.size(); }
    double titleWidth(const QString &) const override { return 0.0; }

    mutable int m_exactCount = 0;
};

// The column widths, then the undo step and whether there are unsaved changes.
std::string viewState(const CSVDocument &document)
{
    QStringList columns;
    for (const CSVTableColumn &column : document.tableColumns().columns())
        columns << QString::number(column.width());
    return (columns.join(u' ') + QStringLiteral(" step=%1 unsaved=%2")
                                     .arg(document.undoManager().undoActionName())
                                     .arg(document.hasUnsavedChanges()))
        .toStdString();
}

// "VVVVV" has the widest estimate (50) but measures 38: "abcd" (40) is the widest of the
// visible rows. Short cells cannot beat it and are not measured. Fitting changes no data.
TEST(CSVColumnWidthsTest, FitTakesTheWidestExactWidthOfTheVisibleRowsOrTheMinimum)
{
    CSVDocument document;
    document.setRowArrays(
        DocumentState::makeRows({"VVVVV,x", "abcd,xyz", "ab,", "a,xy", "abcdefgh,xyzw"}));
    const CSVRowList &rows = document.rowArrays();
    document.setFilteredRowArrays(CSVRowList(rows.begin(), rows.end() - 1));
    document.setNumberOfColumns(2);
    document.buildTableViewColumns();
    KerningMeasure measure;
    CSVColumnWidths::fitAllColumns(document, measure);
    const std::string visible =
        viewState(document) + " exact=" + std::to_string(measure.m_exactCount);

    CSVDocument empty;
    empty.setRowArrays({});
    empty.buildTableViewColumns();
    CSVColumnWidths::fitAllColumns(empty, measure);
    EXPECT_EQ(visible + " / " + viewState(empty),
              "40 30 step= unsaved=0 exact=3 / 20 20 20 20 step= unsaved=0");
}

TEST(CSVSelectionCommandsTest, InvertSelectsAmongTheVisibleRowsOnly)
{
    CSVDocument document;
    QStringList lines;
    for (int i = 0; i < 20; ++i)
        lines << QString::number(i);
    document.setRowArrays(DocumentState::makeRows(lines));
    const CSVRowList &rows = document.rowArrays();
    document.setFilteredRowArrays(CSVRowList{rows[2], rows[5], rows[8], rows[11], rows[14]});
    document.selectRowIndexes({1, 3}, false);
    CSVSelectionCommands::invertSelection(document);
    const std::string inverted = DocumentState::rows(document.selectedRows()).toStdString();
    CSVSelectionCommands::invertSelection(document);
    EXPECT_EQ(inverted + " / " + DocumentState::rows(document.selectedRows()).toStdString(),
              "2|8|14 / 5|11");
}

} // namespace

#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVCellWidthMeasure.h"
#include "document/commands/CSVColumnWidths.h"
#include "document/commands/CSVSelectionCommands.h"

#include <gtest/gtest.h>

#include <functional>

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

struct ViewCase
{
    const char *name;
    QStringList rows;
    // Filters or selects, then runs the command.
    std::function<void(CSVDocument &, const KerningMeasure &)> command;
    const char *after;
};

class CSVViewCommandTest : public ::testing::TestWithParam<ViewCase>
{};

TEST_P(CSVViewCommandTest, ChangesTheViewOnly)
{
    CSVDocument document;
    const CSVRowList rows = DocumentState::makeRows(GetParam().rows);
    document.setRowArrays(rows);
    document.setNumberOfColumns(2);
    document.buildTableViewColumns();
    document.selectColumnIndexes({1}, false);
    KerningMeasure measure;
    GetParam().command(document, measure);
    EXPECT_EQ(viewState(document) + " exact=" + std::to_string(measure.m_exactCount),
              GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Commands, CSVViewCommandTest,
                         ::testing::Values(
                             // "VVVVV" has the widest estimate (50) but measures 38: "abcd" (40) is
                             // the widest. Short cells cannot beat it and are not measured.
                             ViewCase{"FitAllToTheWidestExactWidth",
                                      {"VVVVV,x", "abcd,xyz", "ab,", "a,xy"},
                                      [](CSVDocument &d, const KerningMeasure &m) {
                                          CSVColumnWidths::fitAllColumns(d, m);
                                      },
                                      "40 30 step= unsaved=0 exact=3"},
                             ViewCase{"FitSelectedOnly",
                                      {"abcd,xyz"},
                                      [](CSVDocument &d, const KerningMeasure &m) {
                                          CSVColumnWidths::fitSelectedColumns(d, m);
                                      },
                                      "200 30 step= unsaved=0 exact=1"},
                             ViewCase{"FitLooksAtTheVisibleRowsOnly",
                                      {"abcdefgh,xyz", "ab,x"},
                                      [](CSVDocument &d, const KerningMeasure &m) {
                                          d.setFilteredRowArrays(CSVRowList{d.rowArrays().at(1)});
                                          CSVColumnWidths::fitAllColumns(d, m);
                                      },
                                      "20 20 step= unsaved=0 exact=2"},
                             ViewCase{"FitWithoutRowsGivesTheMinimum",
                                      {},
                                      [](CSVDocument &d, const KerningMeasure &m) {
                                          CSVColumnWidths::fitAllColumns(d, m);
                                      },
                                      "20 20 step= unsaved=0 exact=0"}),
                         [](const auto &info) { return std::string(info.param.name); });

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

#include "CSVCommandTest.h"

#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVConvertContent.h"
#include "document/commands/CSVFillColumns.h"
#include "document/commands/CSVMergeColumns.h"
#include "document/commands/CSVShiftContent.h"
#include "document/commands/CSVSortRows.h"
#include "document/commands/CSVTextConversion.h"
#include "document/search/CSVSearchFilter.h"

#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

using NamedCases::PrintTo;

using Tag = CSVTextConversion::Tag;

struct ConversionCase
{
    const char *name;
    int tag;
    const char16_t *text;
    const char16_t *expected;
    friend void PrintTo(const ConversionCase &c, std::ostream *os) { *os << c.name; }
};

class CSVTextConversionTest : public ::testing::TestWithParam<ConversionCase>
{};

TEST_P(CSVTextConversionTest, ConvertsTheWholeText)
{
    const ConversionCase &c = GetParam();
    std::u16string scratch;
    EXPECT_EQ(CSVTextConversion::convert(c.tag, QStringView(c.text), scratch).toString(),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, CSVTextConversionTest,
    ::testing::Values(
        ConversionCase{"UppercaseGrowsTheSharpS", Tag::Uppercase, u"Straße", u"STRASSE"},
        ConversionCase{"UppercaseIgnoresTheTurkishLocale", Tag::Uppercase, u"istanbul",
                       u"ISTANBUL"},
        ConversionCase{"Lowercase", Tag::Lowercase, u"ÄBC ΟΔΟΣ", u"äbc οδος"},
        ConversionCase{"CapitalizeEveryWord", Tag::Capitalize, u"hello wORLD\tnew\nline",
                       u"Hello World\tNew\nLine"},
        ConversionCase{"CapitalizeAfterANoBreakSpace", Tag::Capitalize, u"a\u00A0b", u"A\u00A0B"},
        ConversionCase{"TrimBlanksTabsAndNoBreakSpaces", Tag::TrimSpaces, u" \tabc \u00A0", u"abc"},
        ConversionCase{"TrimStopsAtALineFeed", Tag::TrimSpaces, u" a b \n", u"a b \n"},
        ConversionCase{"TrimAllBlanks", Tag::TrimSpaces, u" \t ", u""},
        ConversionCase{"Empty", Tag::Empty, u"abc", u""},
        ConversionCase{"UnknownTagEmpties", 7, u"abc", u""}),
    caseName);

const QStringList s_abc = {QStringLiteral("a,b,c"), QStringLiteral("d,e,f")};

std::function<void(CSVDocument &)> selectColumns(IndexSet columns)
{
    return [columns](CSVDocument &d) { d.selectColumnIndexes(columns, false); };
}

std::function<void(CSVDocument &)> convert(int tag)
{
    return [tag](CSVDocument &d) { CSVConvertContent::convertColumnContent(d, tag); };
}

using FillMode = CSVFillColumns::Options::Mode;

std::function<void(CSVDocument &)> fillNumbers(const char *start, const char *step, FillMode mode,
                                               bool separator)
{
    return [=](CSVDocument &d) {
        CSVFillColumns::Options options = CSVFillColumns::open(d);
        options.fillsText = false;
        options.start = QString::fromUtf8(start);
        options.increment = QString::fromLatin1(step);
        options.numberMode = mode;
        options.insertsSeparator = separator;
        CSVFillColumns::close(d, options, true);
    };
}

std::function<void(CSVDocument &)> fillText(const char *text, FillMode mode)
{
    return [=](CSVDocument &d) {
        CSVFillColumns::Options options = CSVFillColumns::open(d);
        options.text = QString::fromUtf8(text);
        options.textMode = mode;
        options.insertsSeparator = true;
        CSVFillColumns::close(d, options, true);
    };
}

std::function<void(CSVDocument &)> sortBy(std::array<CSVSortRows::Key, 3> keys,
                                          bool numbers = false)
{
    return [=](CSVDocument &d) {
        CSVSortRows::Options options = CSVSortRows::open(d);
        options.keys = keys;
        options.comparesNumbers = numbers;
        CSVSortRows::close(d, options, true);
    };
}

using Separator = CSVMergeColumns::Options::Separator;

// Merges the selected columns in the order of their display positions given.
std::function<void(CSVDocument &)> merge(std::vector<int> order, const char *destination,
                                         Separator separator, bool removes, const char *text = "")
{
    return [=](CSVDocument &d) {
        CSVMergeColumns::Options options = CSVMergeColumns::open(d);
        std::vector<CSVMergeColumns::Entry> entries;
        for (const int index : order)
            entries.push_back(options.order.at(size_t(index)));
        options.order = entries;
        options.destination = QString::fromLatin1(destination);
        options.separator = separator;
        options.separatorText = QString::fromUtf8(text);
        options.removesSources = removes;
        CSVMergeColumns::close(d, options, true);
    };
}

// Column "2" removed from the table: its cells stay in the rows, unshown.
const auto hideSecondColumn = [](CSVDocument &d) {
    d.removeTableColumn(d.tableColumns().at(1));
    d.selectRowIndexes({0}, false);
};

INSTANTIATE_TEST_SUITE_P(
    ContentCommands, CSVCommandTest,
    ::testing::Values(
        CommandCase{"UppercaseUnderAFilterChangesEveryRow", numberedLines(10),
                    [](CSVDocument &d) {
                        const CSVRowList &r = d.rowArrays();
                        d.setFilteredRowArrays(CSVRowList{r[2], r[5], r[7]});
                        d.selectColumnIndexes({1}, false);
                    },
                    convert(Tag::Uppercase),
                    "a0,B0,c0|a1,B1,c1|a2,B2,c2|a3,B3,c3|a4,B4,c4|a5,B5,c5|a6,B6,c6|a7,B7,c7|"
                    "a8,B8,c8|a9,B9,c9 filtered=a2,B2,c2|a5,B5,c5|a7,B7,c7 cols=0:1 1:2 2:3 "
                    "sel=/1 undo=LSUDUppercaseData redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3|a4,b4,c4|a5,b5,c5|a6,b6,c6|a7,b7,c7|"
                    "a8,b8,c8|a9,b9,c9 filtered=a2,b2,c2|a5,b5,c5|a7,b7,c7 cols=0:1 1:2 2:3 "
                    "sel=/1 undo= redo=LSUDUppercaseData"},
        CommandCase{"EmptyTwoColumnsOfAShortRow",
                    {QStringLiteral("a,b,c"), QStringLiteral("d")},
                    selectColumns({0, 2}),
                    convert(Tag::Empty),
                    ",b,|,, cols=0:1 1:2 2:3 sel=/0 2 undo=LSUDEmptyData redo=",
                    "a,b,c|d,, cols=0:1 1:2 2:3 sel=/0 2 undo= redo=LSUDEmptyData"},
        CommandCase{"FillSeriesKeepsTheStartAsTyped", numberedLines(3), selectColumns({1}),
                    fillNumbers("007", "1", FillMode::Replace, true),
                    "a0,007,c0|a1,8,c1|a2,9,c2 cols=0:1 1:2 2:3 sel=/1 undo=LSUDFillColumn redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=/1 undo= redo=LSUDFillColumn"},
        CommandCase{"FillSeriesWithANegativeStepRepeatsTheStart", numberedLines(2),
                    selectColumns({0}), fillNumbers("10", "-2", FillMode::Replace, false),
                    "10,b0,c0|10,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo=LSUDFillColumn redo=",
                    "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo= redo=LSUDFillColumn"},
        CommandCase{"FillSeriesWithStepZeroRepeatsTheStart", numberedLines(2), selectColumns({0}),
                    fillNumbers(" 5", "0", FillMode::Replace, false),
                    " 5,b0,c0| 5,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo=LSUDFillColumn redo=",
                    "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo= redo=LSUDFillColumn"},
        CommandCase{"FillSeriesFromANonNumericStartCountsFromZero", numberedLines(3),
                    selectColumns({0}), fillNumbers("x", "2", FillMode::Replace, false),
                    "x,b0,c0|2,b1,c1|4,b2,c2 cols=0:1 1:2 2:3 sel=/0 undo=LSUDFillColumn redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=/0 undo= redo=LSUDFillColumn"},
        CommandCase{"AppendNumbersWithTheBlank", s_abc, selectColumns({0}),
                    fillNumbers("1", "1", FillMode::Append, true),
                    "a 1,b,c|d 2,e,f cols=0:1 1:2 2:3 sel=/0 undo=LSUDFillColumn redo=",
                    "a,b,c|d,e,f cols=0:1 1:2 2:3 sel=/0 undo= redo=LSUDFillColumn"},
        CommandCase{"PrependNumbersWithoutTheBlank", s_abc, selectColumns({0}),
                    fillNumbers("1", "1", FillMode::Prepend, false),
                    "1a,b,c|2d,e,f cols=0:1 1:2 2:3 sel=/0 undo=LSUDFillColumn redo=",
                    "a,b,c|d,e,f cols=0:1 1:2 2:3 sel=/0 undo= redo=LSUDFillColumn"},
        CommandCase{"FillTwoColumnsWithOneValuePerRow", s_abc, selectColumns({2, 0}),
                    fillNumbers("1", "1", FillMode::Replace, false),
                    "1,b,1|2,e,2 cols=0:1 1:2 2:3 sel=/0 2 undo=LSUDFillColumn redo=",
                    "a,b,c|d,e,f cols=0:1 1:2 2:3 sel=/0 2 undo= redo=LSUDFillColumn"},
        // The separator box belongs to the numbers.
        CommandCase{"AppendTextIgnoresTheSeparatorBox", s_abc, selectColumns({1}),
                    fillText("-x", FillMode::Append),
                    "a,b-x,c|d,e-x,f cols=0:1 1:2 2:3 sel=/1 undo=LSUDFillColumn redo=",
                    "a,b,c|d,e,f cols=0:1 1:2 2:3 sel=/1 undo= redo=LSUDFillColumn"},
        CommandCase{"SortDigitsAsCharacters",
                    {QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("100")},
                    [](CSVDocument &) {},
                    sortBy({{{QStringLiteral("0"), true}}}),
                    "10|100|9 cols=0:1 1:2 2:3 sel=/ undo=LSUDSortRows redo=",
                    "9|10|100 cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDSortRows"},
        CommandCase{"SortNumbersByValueDescending",
                    {QStringLiteral("9"), QStringLiteral("100"), QStringLiteral("10")},
                    [](CSVDocument &) {},
                    sortBy({{{QStringLiteral("0"), false}}}, true),
                    "100|10|9 cols=0:1 1:2 2:3 sel=/ undo=LSUDSortRows redo=",
                    "9|100|10 cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDSortRows"},
        // Letter case does not count, so A and a keep their order; the short row's key is
        // empty and comes first.
        CommandCase{"SortIgnoresCaseAndKeepsTiesInOrder",
                    {QStringLiteral("1,b"), QStringLiteral("2,A"), QStringLiteral("3"),
                     QStringLiteral("4,a")},
                    [](CSVDocument &) {},
                    sortBy({{{QStringLiteral("1"), true}}}),
                    "3|2,A|4,a|1,b cols=0:1 1:2 2:3 sel=/ undo=LSUDSortRows redo=",
                    "1,b|2,A|3|4,a cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDSortRows"},
        CommandCase{"SortThenByASecondKeyDescending",
                    {QStringLiteral("x,1"), QStringLiteral("y,2"), QStringLiteral("x,3")},
                    [](CSVDocument &) {},
                    sortBy({{{QStringLiteral("0"), true}, {}, {QStringLiteral("1"), false}}}),
                    "x,3|x,1|y,2 cols=0:1 1:2 2:3 sel=/ undo=LSUDSortRows redo=",
                    "x,1|y,2|x,3 cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDSortRows"},
        // Shown as A B C; dragged to C A B; destination B.
        CommandCase{"MergeInADraggedOrderAndRemoveTheSources", s_abc, selectColumns({0, 1, 2}),
                    merge({2, 0, 1}, "1", Separator::Blank, true),
                    "a,c a b,c|d,f d e,f cols=1:2 sel=/0 undo=LSUDMergeColumns redo=",
                    "a,b,c|d,e,f cols=0:1 1:2 2:3 sel=/0 1 2 undo= redo=LSUDMergeColumns"},
        CommandCase{"MergeWithoutSeparator", s_abc, selectColumns({0, 2}),
                    merge({0, 1}, "2", Separator::Nothing, false),
                    "a,b,ac|d,e,df cols=0:1 1:2 2:3 sel=/0 2 undo=LSUDMergeColumns redo=",
                    "a,b,c|d,e,f cols=0:1 1:2 2:3 sel=/0 2 undo= redo=LSUDMergeColumns"},
        CommandCase{
            "MergeWithATextSeparatorKeepsEmptyCells",
            {QStringLiteral("a,,c"), QStringLiteral("d,e,f")},
            selectColumns({0, 1, 2}),
            merge({0, 1, 2}, "0", Separator::Text, false, " - "),
            "a -  - c,,c|d - e - f,e,f cols=0:1 1:2 2:3 sel=/0 1 2 undo=LSUDMergeColumns redo=",
            "a,,c|d,e,f cols=0:1 1:2 2:3 sel=/0 1 2 undo= redo=LSUDMergeColumns"},
        // Column 1 was removed and column 4 dragged to the front: the display positions no
        // longer match the identifiers, and only the merged sources go.
        CommandCase{"MergeRemovesOnlyItsSourcesAfterARemovalAndADrag",
                    {QStringLiteral("a,b,c,d")},
                    [](CSVDocument &d) {
                        d.insertTableColumn(CSVTableColumn::forPosition(3), 3);
                        d.removeTableColumn(d.tableColumns().at(0));
                        d.moveTableColumn(2, 0);
                        d.selectColumnIndexes({0, 2}, false);
                    },
                    merge({1, 0}, "2", Separator::Blank, true),
                    "a,b,c d,d cols=1:2 2:3 sel=/1 undo=LSUDMergeColumns redo=",
                    "a,b,c,d cols=3:4 1:2 2:3 sel=/0 2 undo= redo=LSUDMergeColumns"},
        CommandCase{"ShiftRightKeepsTheHiddenCell", s_abc, hideSecondColumn,
                    [](CSVDocument &d) { CSVShiftContent::shiftContent(d, 1); },
                    ",b,a|d,e,f cols=0:1 2:3 sel=0/ undo=LSUDShiftRows redo=",
                    "a,b,c|d,e,f cols=0:1 2:3 sel=0/ undo= redo=LSUDShiftRows"},
        CommandCase{"ShiftLeftKeepsTheHiddenCell", s_abc, hideSecondColumn,
                    [](CSVDocument &d) { CSVShiftContent::shiftContent(d, 0); },
                    "c,b,|d,e,f cols=0:1 2:3 sel=0/ undo=LSUDShiftRows redo=",
                    "a,b,c|d,e,f cols=0:1 2:3 sel=0/ undo= redo=LSUDShiftRows"},
        CommandCase{"RotateRightFollowsTheDisplayOrder",
                    {QStringLiteral("a,b,c")},
                    [](CSVDocument &d) {
                        d.moveTableColumn(2, 0);
                        d.selectRowIndexes({0}, false);
                    },
                    [](CSVDocument &d) { CSVShiftContent::rotateContent(d, 1); },
                    "c,a,b cols=2:3 0:1 1:2 sel=0/ undo=LSUDRotateRows redo=",
                    "a,b,c cols=2:3 0:1 1:2 sel=0/ undo= redo=LSUDRotateRows"},
        CommandCase{"RotateLeft",
                    {QStringLiteral("a,b,c")},
                    [](CSVDocument &d) { d.selectRowIndexes({0}, false); },
                    [](CSVDocument &d) { CSVShiftContent::rotateContent(d, 0); },
                    "b,c,a cols=0:1 1:2 2:3 sel=0/ undo=LSUDRotateRows redo=",
                    "a,b,c cols=0:1 1:2 2:3 sel=0/ undo= redo=LSUDRotateRows"},
        CommandCase{"ShiftTwoFilteredRows", numberedLines(4),
                    [](CSVDocument &d) {
                        const CSVRowList &r = d.rowArrays();
                        d.setFilteredRowArrays(CSVRowList{r[1], r[2], r[3]});
                        d.selectRowIndexes({0, 2}, false);
                    },
                    [](CSVDocument &d) { CSVShiftContent::shiftContent(d, 1); },
                    "a0,b0,c0|,a1,b1|a2,b2,c2|,a3,b3 filtered=,a1,b1|a2,b2,c2|,a3,b3 "
                    "cols=0:1 1:2 2:3 sel=0 2/ undo=LSUDShiftRows redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 filtered=a1,b1,c1|a2,b2,c2|a3,b3,c3 "
                    "cols=0:1 1:2 2:3 sel=0 2/ undo= redo=LSUDShiftRows"}),
    caseName);

struct MoveCase
{
    const char *name;
    IndexSet dragged;
    qint64 row;
    const char *order;
    friend void PrintTo(const MoveCase &c, std::ostream *os) { *os << c.name; }
};

class CSVMergeOrderTest : public ::testing::TestWithParam<MoveCase>
{};

// Entries 0 to 3; the order after the drop, by the entries' identifiers.
TEST_P(CSVMergeOrderTest, DropsTheDraggedEntriesBeforeTheRow)
{
    std::vector<CSVMergeColumns::Entry> order;
    for (const char *identifier : {"0", "1", "2", "3"})
        order.push_back({QString(), QString::fromLatin1(identifier)});
    CSVMergeColumns::moveEntries(order, GetParam().dragged, GetParam().row);
    QString identifiers;
    for (const CSVMergeColumns::Entry &entry : order)
        identifiers += entry.identifier;
    EXPECT_EQ(identifiers, QString::fromLatin1(GetParam().order));
}

INSTANTIATE_TEST_SUITE_P(Drops, CSVMergeOrderTest,
                         ::testing::Values(MoveCase{"FirstToTheEnd", {0}, 4, "1230"},
                                           MoveCase{"LastToTheFront", {3}, 0, "3012"},
                                           MoveCase{"TwoAroundTheirGap", {0, 2}, 2, "1023"},
                                           MoveCase{"PastTheEnd", {1}, 9, "0231"}),
                         caseName);

// Cancelling a sheet still clears the search filter, and records nothing.
TEST(CSVSortRowsTest, CancelClearsTheFilterAndRecordsNothing)
{
    CSVDocument document;
    document.setRowArrays(DocumentState::makeRows({QStringLiteral("b"), QStringLiteral("a")}));
    document.setNumberOfColumns(1);
    document.buildTableViewColumns();
    CSVSearchFilter::searchStringDidChanged(document, QStringLiteral("a"));
    DocumentState::SignalLog log(document);
    CSVSortRows::close(document, CSVSortRows::open(document), false);
    EXPECT_EQ(log.take().substr(0, 11) + ' ' + DocumentState::withSteps(document),
              "resetSearch b|a cols=0:1 undo= redo=");
}

} // namespace

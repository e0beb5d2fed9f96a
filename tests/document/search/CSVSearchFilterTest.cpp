#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVRowCommands.h"
#include "document/search/CSVSearchFilter.h"

#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using NamedCases::PrintTo;

std::unique_ptr<CSVDocument> documentWithRows(const QStringList &lines)
{
    auto document = CSVDocument::withRows(DocumentState::makeRows(lines), {});
    document->buildTableViewColumns();
    return document;
}

// "all" or the ticked items, then the visible rows and the display mode.
std::string filterState(CSVDocument &document)
{
    QStringList items;
    for (const CSVSearchMenu::Item &item : document.searchField().menu.items()) {
        if (item.isOn)
            items << item.identifier.value_or(QStringLiteral("all"));
    }
    return QStringLiteral("menu=%1 rows=%2 mode=%3")
        .arg(items.join(u' '), DocumentState::visibleRows(document))
        .arg(document.displayMode())
        .toStdString();
}

struct FilterCase
{
    const char *name;
    QStringList rows;
    std::vector<qsizetype> menuChoices;
    QString text;
    const char *expected;
};

class CSVSearchFilterTest : public ::testing::TestWithParam<FilterCase>
{};

TEST_P(CSVSearchFilterTest, ShowsTheRowsThatHoldTheText)
{
    const FilterCase &c = GetParam();
    const auto document = documentWithRows(c.rows);
    for (qsizetype item : c.menuChoices)
        CSVSearchFilter::searchMenuItemSelected(*document, item);
    CSVSearchFilter::searchStringDidChanged(*document, c.text);
    EXPECT_EQ(filterState(*document), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filter, CSVSearchFilterTest,
    ::testing::Values(
        FilterCase{"CaseAndAccentsDoNotCount",
                   {u"école,x"_qs, u"xAbÇd,y"_qs, u"abd,z"_qs, u"ÉCOLE,w"_qs},
                   {},
                   u"ECOLE"_qs,
                   "menu=all rows=école,x|ÉCOLE,w mode=2"},
        FilterCase{"AccentedTextFindsPlainText",
                   {u"Abc,1"_qs, u"ab,c"_qs},
                   {},
                   u"ABÇ"_qs,
                   "menu=all rows=Abc,1 mode=2"},
        FilterCase{"NothingFoundShowsNoRows", {u"a,b"_qs}, {}, u"zz"_qs, "menu=all rows= mode=2"},
        FilterCase{"EmptyTextShowsAllRows",
                   {u"a,b"_qs, u"c,d"_qs},
                   {},
                   QString(),
                   "menu=all rows=a,b|c,d mode=1"},
        FilterCase{"ABlankSpansNeighbouringCells",
                   {u"ax,yb"_qs, u"ax,b"_qs, u"b,x y"_qs},
                   {},
                   u"x y"_qs,
                   "menu=all rows=ax,yb|b,x y mode=2"},
        FilterCase{"QuotesBackslashAndPercentAreLiteral",
                   {u"a\"b\\c%d,1"_qs, u"abcd,2"_qs, u"a\"b,\\c%d"_qs},
                   {},
                   u"\"b\\c%"_qs,
                   "menu=all rows=a\"b\\c%d,1 mode=2"},
        // Items 2 and 4 stand for the columns at positions 0 and 2.
        FilterCase{"OnlyTickedColumnsCount",
                   {u"k,x,k"_qs, u"x,k,k"_qs, u"k,k,x"_qs, u"k,k,k"_qs},
                   {2, 4},
                   u"X"_qs,
                   "menu=0 2 rows=x,k,k|k,k,x mode=2"},
        FilterCase{"TickedColumnsTakeTextLiterally",
                   {u"a%\"\\,x"_qs, u"x,a%\"\\"_qs},
                   {3},
                   u"%\"\\"_qs,
                   "menu=1 rows=x,a%\"\\ mode=2"},
        FilterCase{"UntickingTheLastColumnReturnsToAll",
                   {u"x,k"_qs, u"k,x"_qs},
                   {2, 2},
                   u"x"_qs,
                   "menu=all rows=x,k|k,x mode=2"},
        FilterCase{"AllColumnsUnticksEveryColumn",
                   {u"x,k"_qs, u"k,x"_qs},
                   {2, 3, 0},
                   u"x"_qs,
                   "menu=all rows=x,k|k,x mode=2"}),
    caseName);

TEST(CSVSearchFilterSelection, KeepsTheSelectedRowsByIdentityWhileShown)
{
    const auto document = documentWithRows({u"a"_qs, u"a"_qs, u"b"_qs, u"ab"_qs});
    document->selectRowIndexes({1, 2, 3}, false);
    CSVSearchFilter::searchStringDidChanged(*document, u"a"_qs);
    EXPECT_EQ(DocumentState::full(*document),
              "a|a|b|ab filtered=a|a|ab cols=0:1 sel=1 2/ undo= redo=");
    CSVSearchFilter::searchStringDidChanged(*document, u"b"_qs);
    CSVSearchFilter::searchStringDidChanged(*document, QString());
    EXPECT_EQ(DocumentState::full(*document), "a|a|b|ab cols=0:1 sel=3/ undo= redo=");
}

TEST(CSVSearchFilterMenu, ChoosingAColumnWaitsForTheTextAndARebuildReturnsToAll)
{
    const auto document = documentWithRows({u"x,k"_qs, u"k,x"_qs});
    CSVSearchFilter::searchStringDidChanged(*document, u"x"_qs);
    CSVSearchFilter::searchMenuItemSelected(*document, 3);
    EXPECT_EQ(filterState(*document), "menu=1 rows=x,k|k,x mode=2");
    document->moveTableColumn(0, 1);
    EXPECT_EQ(filterState(*document), "menu=all rows=x,k|k,x mode=2");
}

// A command that clears the filter takes the find marks with it, but only when there was a
// filter to clear.
TEST(CSVSearchFilterReset, AddingARowClearsTheFilterAndTheFindMarksOnlyWhenThereWasText)
{
    const auto document = documentWithRows({u"a"_qs, u"b"_qs});
    CSVFindReplaceState &find = document->findReplaceState();
    find.markedRows = {0};
    CSVRowCommands::addNewRow(*document);
    EXPECT_EQ(find.markedRows, IndexSet{0});

    CSVSearchFilter::searchStringDidChanged(*document, u"b"_qs);
    find.indexOfColumnToMark = 0;
    CSVRowCommands::addNewRow(*document);
    EXPECT_EQ(filterState(*document), "menu=all rows=a|b|| mode=1");
    EXPECT_EQ(document->searchField().text, QString());
    EXPECT_TRUE(find.markedRows.isEmpty());
    EXPECT_EQ(find.indexOfColumnToMark, NotFound);
}

} // namespace

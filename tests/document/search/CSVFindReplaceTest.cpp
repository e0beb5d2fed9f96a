#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/search/CSVFindReplace.h"
#include "document/search/CSVSearchFilter.h"

#include "support/NamedCase.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

using NamedCases::PrintTo;

using Values = CSVFindReplace::DialogValues;
using Tag = CSVFindReplace::Tag;

Values plain(const QString &text, const QString &replacement = {}, const QString &column = {})
{
    return {text, replacement, column, false, false, false};
}

Values with(Values values, void (*change)(Values &))
{
    change(values);
    return values;
}

// After each step: the remembered hit (row:column identifier), the marked rows, the tinted
// column, the selected rows, "beep" when the step beeped, and the rows.
std::string findState(const CSVDocument &document, const QSignalSpy &beeps)
{
    const CSVFindReplaceState &state = document.findReplaceState();
    QStringList marked;
    for (qint64 row : state.markedRows)
        marked << QString::number(row);
    QStringList selected;
    for (qint64 row : document.selectedRowIndexes())
        selected << QString::number(row);
    const QString hit = CSVFindReplace::hasRememberedHit(document)
                            ? QStringLiteral("%1:%2")
                                  .arg(state.findReplaceRow)
                                  .arg(*state.findReplaceColumnFoundIdentifier)
                            : QStringLiteral("-");
    const qint64 column = state.indexOfColumnToMark;
    return QStringLiteral("%1 m%2 c%3 s%4%5 %6")
        .arg(hit, marked.join(u' '), column == NotFound ? u"-"_qs : QString::number(column),
             selected.join(u' '), beeps.isEmpty() ? QString() : u" beep"_qs,
             DocumentState::rows(document.rowArrays()))
        .toStdString();
}

struct FindCase
{
    const char *name;
    QStringList rows;
    std::function<void(CSVDocument &)> setup;
    Values values;
    // Dialog tags (1 find, 3 select all, 5 replace all) or the menu's commands: 'n' find next,
    // 'r' replace, 'R' replace and find next; 'u' undo, 'd' remove the first row, 'f' type "k"
    // into the search field.
    std::vector<int> steps;
    std::vector<const char *> states;
    // The undo and redo steps at the end.
    const char *undoSteps;
};

void perform(CSVDocument &document, int step, const Values &values)
{
    switch (step) {
    case 'n':
        return CSVFindReplace::findNext(document);
    case 'r':
        return CSVFindReplace::replace(document);
    case 'R':
        return CSVFindReplace::replaceAndFindNext(document);
    case 'u':
        return document.undoManager().undo();
    case 'f':
        return CSVSearchFilter::searchStringDidChanged(document, u"k"_qs);
    case 'd': {
        UndoGroup group(document.undoManager());
        document.removeCSVRow(document.rowArrays().front());
        return document.undoManager().setActionName(u"LSUDRemoveRow"_qs);
    }
    default:
        CSVFindReplace::closeDialog(document, step, values);
    }
}

class CSVFindReplaceTest : public ::testing::TestWithParam<FindCase>
{};

TEST_P(CSVFindReplaceTest, WalksMarksAndReplaces)
{
    const FindCase &c = GetParam();
    auto document = CSVDocument::withRows(DocumentState::makeRows(c.rows), {});
    document->buildTableViewColumns();
    c.setup(*document);
    document->undoManager().removeAllActions();
    std::vector<std::string> states;
    for (int step : c.steps) {
        QSignalSpy beeps(document.get(), &CSVDocument::findFailed);
        perform(*document, step, c.values);
        states.push_back(findState(*document, beeps));
    }
    EXPECT_EQ(states, std::vector<std::string>(c.states.begin(), c.states.end()));
    const UndoManager &undo = document->undoManager();
    EXPECT_EQ((undo.undoActionName() + u'/' + undo.redoActionName()).toStdString(), c.undoSteps);
}

const auto noSetup = [](CSVDocument &) {};
const auto dragLastColumnFirst = [](CSVDocument &d) { d.tableViewColumnDidMove(2, 0); };

INSTANTIATE_TEST_SUITE_P(
    Find, CSVFindReplaceTest,
    ::testing::Values(
        // Display order after the drag: 2, 0, 1.
        FindCase{"AllColumnsFollowTheDisplayOrderAfterADrag",
                 {u"a,x,a"_qs, u"x,a,x"_qs},
                 dragLastColumnFirst,
                 plain(u"a"_qs),
                 {Tag::Find, 'n', 'n', 'n'},
                 {"0:2 m0 c0 s0 a,x,a|x,a,x", "0:0 m0 c1 s0 a,x,a|x,a,x",
                  "1:1 m1 c2 s1 a,x,a|x,a,x", "0:2 m0 c0 s0 a,x,a|x,a,x"},
                 "/"},
        FindCase{"OneColumnGoesDownItsColumn",
                 {u"a,a,a"_qs, u"x,a,a"_qs, u"a,x,x"_qs},
                 dragLastColumnFirst,
                 plain(u"a"_qs, {}, u"0"_qs),
                 {Tag::Find, 'n', 'n'},
                 {"0:0 m0 c1 s0 a,a,a|x,a,a|a,x,x", "2:0 m2 c1 s2 a,a,a|x,a,a|a,x,x",
                  "0:0 m0 c1 s0 a,a,a|x,a,a|a,x,x"},
                 "/"},
        FindCase{"ASingleMatchIsFoundAgain",
                 {u"x,y"_qs, u"z,a"_qs},
                 noSetup,
                 plain(u"a"_qs),
                 {Tag::Find, 'n'},
                 {"1:1 m1 c1 s1 x,y|z,a", "1:1 m1 c1 s1 x,y|z,a"},
                 "/"},
        FindCase{"NothingFoundBeepsAndClearsTheSelection",
                 {u"x,y"_qs},
                 [](CSVDocument &d) { d.selectRowIndexes({0}, false); },
                 plain(u"q"_qs),
                 {Tag::Find},
                 {"- m c- s beep x,y"},
                 "/"},
        FindCase{"ReplaceAllDoublesEachAOnceAsOneStep",
                 {u"a,ba"_qs, u"c,d"_qs, u"aa,c"_qs},
                 noSetup,
                 plain(u"a"_qs, u"aa"_qs),
                 {Tag::ReplaceAll, 'u'},
                 {"- m0 2 c- s aa,baa|c,d|aaaa,c", "- m0 2 c- s a,ba|c,d|aa,c"},
                 "/LSUDDataReplaced"},
        FindCase{"ReplaceChangesOnlyTheCellFound",
                 {u"xyxy,xy"_qs},
                 noSetup,
                 with(plain(u"(x)(y)"_qs, u"$2$1"_qs), [](Values &v) { v.useRegex = true; }),
                 {Tag::Find, 'R', 'R'},
                 {"0:0 m0 c0 s0 xyxy,xy", "0:1 m0 c1 s0 yxyx,xy", "0:0 m0 c0 s0 yxyx,yx"},
                 "LSUDDataReplaced/"},
        FindCase{"AnInvalidPatternFindsAndReplacesNothing",
                 {u"(a,a"_qs},
                 noSetup,
                 with(plain(u"(a"_qs, u"b"_qs), [](Values &v) { v.useRegex = true; }),
                 {Tag::Find, Tag::ReplaceAll},
                 {"- m c- s beep (a,a", "- m c- s (a,a"},
                 "/"},
        FindCase{"SelectAllMarksARowOnceForThreeMatches",
                 {u"a,a,a"_qs, u"b,b,b"_qs, u"b,ba,b"_qs},
                 noSetup,
                 plain(u"a"_qs),
                 {Tag::SelectAll},
                 {"- m0 2 c- s0 2 a,a,a|b,b,b|b,ba,b"},
                 "/"},
        FindCase{"CanonicalEquivalentsMatchButDiacriticsCount",
                 {u"ecole,e\u0301cole"_qs, u"école"_qs},
                 noSetup,
                 plain(u"école"_qs, u"X"_qs),
                 {Tag::ReplaceAll},
                 {"- m0 1 c- s ecole,X|X"},
                 "LSUDDataReplaced/"},
        FindCase{"IgnoringCaseFoldsFully",
                 {u"ecole,Straße ÉCOLE"_qs},
                 noSetup,
                 with(plain(u"STRASSE école"_qs), [](Values &v) { v.ignoreCase = true; }),
                 {Tag::Find, 'n'},
                 {"0:1 m0 c1 s0 ecole,Straße ÉCOLE", "0:1 m0 c1 s0 ecole,Straße ÉCOLE"},
                 "/"},
        FindCase{"FilteredRowsAreSearchedAtTheirVisiblePlaces",
                 {u"a"_qs, u"ka"_qs, u"a"_qs, u"k a"_qs},
                 [](CSVDocument &d) { CSVSearchFilter::searchStringDidChanged(d, u"k"_qs); },
                 plain(u"a"_qs),
                 {Tag::SelectAll},
                 {"- m0 1 c- s0 1 a|ka|a|k a"},
                 "/"},
        FindCase{"SelectedRowsOnlyWalksTheRowsSelectedAtClosing",
                 {u"a"_qs, u"a"_qs, u"a"_qs, u"a"_qs},
                 [](CSVDocument &d) {
                     d.selectRowIndexes({1, 3}, false);
                 },
                 with(plain(u"a"_qs), [](Values &v) { v.selectedRowsOnly = true; }),
                 {Tag::Find, 'n', 'n'},
                 {"1:0 m1 c0 s1 a|a|a|a", "3:0 m3 c0 s3 a|a|a|a", "1:0 m1 c0 s1 a|a|a|a"},
                 "/"},
        // Typing into the search field shows other rows at the marked places: the marks go.
        FindCase{"FilteringForgetsTheMarks",
                 {u"a"_qs, u"ka"_qs, u"a"_qs, u"k a"_qs},
                 noSetup,
                 plain(u"a"_qs),
                 {Tag::Find, 'f', 'n'},
                 {"0:0 m0 c0 s0 a|ka|a|k a", "- m c- s a|ka|a|k a", "0:0 m0 c0 s0 a|ka|a|k a"},
                 "/"},
        // Read-only: finding goes on, replacing is refused.
        FindCase{"AReadOnlyDocumentRefusesToReplace",
                 {u"a,a"_qs},
                 [](CSVDocument &d) { d.openReadOnlyForColumnMismatch(); },
                 plain(u"a"_qs, u"b"_qs),
                 {Tag::Find, 'R', Tag::ReplaceAll},
                 {"0:0 m0 c0 s0 a,a", "0:1 m0 c1 s0 a,a", "- m c- s a,a"},
                 "/"},
        // The row found goes: the hit is forgotten, and replacing cannot reach the row that
        // took its place.
        FindCase{"AHitWhoseRowWasRemovedIsForgotten",
                 {u"x"_qs, u"a"_qs, u"a"_qs},
                 noSetup,
                 plain(u"a"_qs, u"b"_qs),
                 {Tag::Find, 'd', 'r', 'n'},
                 {"1:0 m1 c0 s1 x|a|a", "- m1 c0 s1 a|a", "- m1 c0 s1 a|a", "0:0 m0 c0 s0 a|a"},
                 "LSUDRemoveRow/"}),
    caseName);

} // namespace

#include "foundation/IndexSet.h"

#include "foundation/NotFound.h"

#include "support/NamedCase.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

using NamedCases::PrintTo;

// "0-2 5 9-10": the ranges as a reader would write them.
std::string describe(const IndexSet &set)
{
    QStringList parts;
    for (const IndexSet::Range &r : set.ranges()) {
        parts << (r.length == 1 ? QString::number(r.location)
                                : QStringLiteral("%1-%2").arg(r.location).arg(r.end() - 1));
    }
    return QStringLiteral("%1 (%2)").arg(parts.join(u' ')).arg(set.count()).toStdString();
}

struct EditCase
{
    const char *name;
    std::function<void(IndexSet &)> edit;
    const char *expected;
};

class IndexSetEditTest : public ::testing::TestWithParam<EditCase>
{};

TEST_P(IndexSetEditTest, KeepsRangesSortedDisjointAndMerged)
{
    IndexSet set{2, 3, 4, 8, 9, 15};
    GetParam().edit(set);
    EXPECT_EQ(describe(set), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, IndexSetEditTest,
    ::testing::Values(
        EditCase{"AddAdjacentMerges", [](IndexSet &s) { s.add(5); }, "2-5 8-9 15 (7)"},
        EditCase{"AddBridgesTwoRanges", [](IndexSet &s) { s.addRange(5, 3); }, "2-9 15 (9)"},
        EditCase{"AddInsideIsNoChange", [](IndexSet &s) { s.add(3); }, "2-4 8-9 15 (6)"},
        EditCase{"RemoveSplits", [](IndexSet &s) { s.remove(3); }, "2 4 8-9 15 (5)"},
        EditCase{"RemoveAcrossRanges", [](IndexSet &s) { s.removeRange(4, 5); }, "2-3 9 15 (4)"},
        EditCase{"ShiftUpSplitsAtStart", [](IndexSet &s) { s.shiftIndexes(3, 2); },
                 "2 5-6 10-11 17 (6)"},
        EditCase{"ShiftDownDropsTheGap", [](IndexSet &s) { s.shiftIndexes(9, -2); },
                 "2-4 7 13 (5)"},
        EditCase{"ShiftDownMergesNeighbours", [](IndexSet &s) { s.shiftIndexes(8, -3); },
                 "2-6 12 (6)"},
        EditCase{"AddOtherSet",
                 [](IndexSet &s) {
                     s.add(IndexSet{1, 10, 16});
                 },
                 "1-4 8-10 15-16 (9)"}),
    caseName);

TEST(IndexSetTest, QueriesAndIterationFollowTheRanges)
{
    const IndexSet set{7, 1, 2, 3};
    EXPECT_EQ(std::vector<qint64>(set.begin(), set.end()), (std::vector<qint64>{1, 2, 3, 7}));
    EXPECT_EQ(std::make_tuple(set.contains(3), set.contains(4), set.firstIndex(), set.lastIndex(),
                              IndexSet().firstIndex()),
              std::make_tuple(true, false, 1, 7, NotFound));
    EXPECT_EQ(IndexSet().begin(), IndexSet().end());
}

struct RangeQueryCase
{
    const char *name;
    qint64 location;
    qint64 length;
    bool contains;
    bool intersects;
    const char *indexes;
};

class IndexSetRangeQueryTest : public ::testing::TestWithParam<RangeQueryCase>
{};

// The questions a table asks of a selection while it draws: is all of this span selected, any
// of it, and which part of it.
TEST_P(IndexSetRangeQueryTest, AnswersForTheSpanAlone)
{
    const IndexSet set{2, 3, 4, 8, 9, 15};
    const RangeQueryCase &query = GetParam();
    EXPECT_EQ(std::make_tuple(set.containsRange(query.location, query.length),
                              set.intersectsRange(query.location, query.length),
                              describe(set.indexesInRange(query.location, query.length))),
              std::make_tuple(query.contains, query.intersects, std::string(query.indexes)));
}

INSTANTIATE_TEST_SUITE_P(
    Spans, IndexSetRangeQueryTest,
    ::testing::Values(RangeQueryCase{"InsideOneRange", 3, 2, true, true, "3-4 (2)"},
                      RangeQueryCase{"AcrossAGap", 3, 6, false, true, "3-4 8 (3)"},
                      RangeQueryCase{"InAGap", 5, 3, false, false, " (0)"},
                      RangeQueryCase{"TouchesTheEnd", 4, 4, false, true, "4 (1)"},
                      RangeQueryCase{"EverythingAndMore", 0, 100, false, true, "2-4 8-9 15 (6)"},
                      RangeQueryCase{"Empty", 3, 0, true, false, " (0)"}),
    caseName);

} // namespace

#include "document/CSVRow.h"

#include "document/CSVRowBuilder.h"
#include "document/CSVRowSlabs.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using NamedCases::PrintTo;

// Cells in brackets, so empty cells and cell boundaries show.
QString describe(const CSVRow &row)
{
    QString text;
    for (const QString &cell : row.cells())
        text += u'[' + cell + u']';
    return text;
}

struct RowEditCase
{
    const char *name;
    QStringList start;
    std::function<void(CSVRow &)> edit;
    QString expected;
};

class CSVRowEditTest : public ::testing::TestWithParam<RowEditCase>
{};

// Rows switch between one byte and two per character as their text demands; every edit must
// keep the other cells intact across that switch.
TEST_P(CSVRowEditTest, EditsKeepTheOtherCells)
{
    CSVRow row(GetParam().start);
    GetParam().edit(row);
    EXPECT_EQ(describe(row), GetParam().expected);
    EXPECT_TRUE(CSVRow(row.cells()).hasSameCells(row));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CSVRowEditTest,
    ::testing::Values(
        RowEditCase{"SetWideIntoNarrowRow",
                    {"a", "bb", "c"},
                    [](CSVRow &r) { r.set(2, u"東京"); },
                    "[a][bb][東京]"},
        RowEditCase{
            "SetNarrowIntoWideRow", {"€", "bb"}, [](CSVRow &r) { r.set(0, u"e"); }, "[e][bb]"},
        RowEditCase{"InsertFirstAndRemoveFromWideRow",
                    {"a", "€", "c"},
                    [](CSVRow &r) {
                        r.insert(0, u"x");
                        r.remove(2);
                    },
                    "[x][a][c]"},
        RowEditCase{"EmptiedRowTakesASurrogatePair",
                    {"a"},
                    [](CSVRow &r) {
                        r.remove(0);
                        r.append(u"😀");
                    },
                    "[😀]"},
        RowEditCase{"PadAppendsEmptyCells", {"a", ""}, [](CSVRow &r) { r.padTo(4); }, "[a][][][]"}),
    caseName);

TEST(CSVRowTest, ContentEqualityIgnoresStorageButNotCellBoundaries)
{
    CSVRow wide({QStringLiteral("€"), QStringLiteral("a")});
    wide.set(0, u"e"); // stays two bytes a character
    const CSVRow narrow({QStringLiteral("e"), QStringLiteral("a")});
    const CSVRow shifted({QStringLiteral("ea"), QString()});
    EXPECT_TRUE(wide.hasSameCells(narrow));
    EXPECT_EQ(wide.contentHash(), narrow.contentHash());
    EXPECT_FALSE(narrow.hasSameCells(shifted));
    EXPECT_NE(narrow.contentHash(), shifted.contentHash());
}

} // namespace

// Rows read from a file live in shared slabs, save those too large for one, which take their
// own memory; they must outlive the reader, leave the slabs as they change, and free every slab
// with the last row (the sanitizers check the memory).
TEST(CSVRowTest, RowsInSlabsOutliveTheirReaderAndChangeLikeOthers)
{
    const QString huge(40000, u'東');
    CSVRowList rows;
    {
        CSVRowSlabs slabs;
        CSVRowBuilder builder;
        for (int i = 0; i < 20000; ++i) {
            builder.clear();
            builder.appendField(QString::number(i));
            builder.appendField(i % 2 ? u"Ærø" : u"東京");
            rows.push_back(builder.makeRow(slabs));
        }
        builder.clear();
        builder.appendField(huge);
        builder.appendField(u"h");
        rows.push_back(builder.makeRow(slabs));
    }
    rows[1]->set(0, u"changed");
    rows.back()->set(1, u"é");
    const CSVRow copy(*rows[2]);
    rows.erase(rows.begin() + 3, rows.end() - 2);
    QStringList cells;
    for (const CSVRowPtr &row : rows)
        cells << row->cells().join(u'/');
    EXPECT_EQ(cells.join(u' ') + u' ' + copy.allValues(),
              "0/東京 changed/Ærø 2/東京 19999/Ærø " + huge + "/é 2 東京");
    EXPECT_TRUE(copy.hasSameCells(*rows[2]));
}

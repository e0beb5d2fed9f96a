#include "document/CSVRow.h"

#include "document/CSVRowBuilder.h"
#include "document/CSVRowSlabs.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

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
        RowEditCase{"SetNarrow",
                    {"a", "bb", "c"},
                    [](CSVRow &r) { r.set(1, u"Zürich"); },
                    "[a][Zürich][c]"},
        RowEditCase{"SetWideIntoNarrowRow",
                    {"a", "bb", "c"},
                    [](CSVRow &r) { r.set(2, u"東京"); },
                    "[a][bb][東京]"},
        RowEditCase{
            "SetNarrowIntoWideRow", {"€", "bb"}, [](CSVRow &r) { r.set(0, u"e"); }, "[e][bb]"},
        RowEditCase{"InsertFirst", {"a", "b"}, [](CSVRow &r) { r.insert(0, u"x"); }, "[x][a][b]"},
        RowEditCase{"AppendToEmptyRow", {}, [](CSVRow &r) { r.append(u"😀"); }, "[😀]"},
        RowEditCase{"RemoveMiddle", {"a", "€", "c"}, [](CSVRow &r) { r.remove(1); }, "[a][c]"},
        RowEditCase{"RemoveLastLeavesEmptyRow", {"a"}, [](CSVRow &r) { r.remove(0); }, ""},
        RowEditCase{"PadAppendsEmptyCells", {"a", ""}, [](CSVRow &r) { r.padTo(4); }, "[a][][][]"},
        RowEditCase{
            "PadNeverShortens", {"a", "b", "c"}, [](CSVRow &r) { r.padTo(2); }, "[a][b][c]"}),
    [](const auto &info) { return std::string(info.param.name); });

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

TEST(CSVRowTest, CopiesAreIndependent)
{
    CSVRow original({QStringLiteral("a"), QStringLiteral("b")});
    CSVRow copy(original);
    copy.set(0, u"changed");
    EXPECT_EQ(describe(original) + describe(copy), "[a][b][changed][b]");
}

TEST(CSVRowTest, RowKeysJoinCellsAndReadPositions)
{
    const CSVRow row({QStringLiteral("Anna"), QString(), QStringLiteral("Köln")});
    const QStringList values = {row.valueForKey(u"allValues"), row.valueForKey(u"objectAtIndex2"),
                                row.valueForKey(u"objectAtIndex3"),
                                row.valueForKey(u"objectAtIndex-1"),
                                CSVRow().valueForKey(u"allValues")};
    EXPECT_EQ(values, QStringList({"Anna  Köln", "Köln", "", "", ""}));
}

TEST(CSVRowTest, BuilderMakesTheRowOfTheFieldsAndKnowsBlankLines)
{
    CSVRowBuilder builder;
    builder.appendField(u"");
    EXPECT_TRUE(builder.isBlankLine());
    builder.clear();
    for (const char16_t *field : {u"1", u"Łódź", u"", u"x"})
        builder.appendField(field);
    EXPECT_FALSE(builder.isBlankLine());
    EXPECT_EQ(describe(*builder.makeRow()), "[1][Łódź][][x]");
}

} // namespace

// Rows read from a file live in shared slabs; they must outlive the reader, leave the slabs as
// they change, and free every slab with the last row (the sanitizers check the memory).
TEST(CSVRowTest, RowsInSlabsOutliveTheirReaderAndChangeLikeOthers)
{
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
    }
    rows[1]->set(0, u"changed");
    const CSVRow copy(*rows[2]);
    rows.erase(rows.begin() + 3, rows.end() - 1);
    QStringList cells;
    for (const CSVRowPtr &row : rows)
        cells << row->cells().join(u'/');
    EXPECT_EQ(cells.join(u' ') + u' ' + copy.allValues(),
              "0/東京 changed/Ærø 2/東京 19999/Ærø 2 東京");
    EXPECT_TRUE(copy.hasSameCells(*rows[2]));
}

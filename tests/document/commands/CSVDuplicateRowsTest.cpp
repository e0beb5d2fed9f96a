#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVDuplicateRows.h"
#include "document/commands/CSVRemoval.h"

#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

namespace {

using NamedCases::PrintTo;

using Purpose = CSVDuplicateSearch::Purpose;

// Opens the sheet, chooses the key column, runs the search to the end and applies it: what the
// command does, less the windows. Answers the alert's count for a removal, else whether found.
qint64 runCommand(CSVDocument &document, const QString &key, Purpose purpose)
{
    CSVDuplicateRows::open(document);
    CSVDuplicateSearch search = CSVDuplicateRows::makeSearch(document, key, purpose);
    EXPECT_TRUE(search.run([](qint64) { return true; }));
    return purpose == Purpose::Remove ? CSVDuplicateRows::removeFound(document, search)
                                      : qint64(CSVDuplicateRows::showFound(document, search));
}

std::string state(CSVDocument &document)
{
    return DocumentState::full(document) + " mode=" + std::to_string(document.displayMode());
}

struct DuplicateCase
{
    const char *name;
    const char *rows;
    const char *key; // "" for whole rows, else a column identifier
    Purpose purpose;
    qint64 answer;
    const char *after;
};

class CSVDuplicateRowsTest : public ::testing::TestWithParam<DuplicateCase>
{};

// The command's whole effect, and one undo takes a removal back.
TEST_P(CSVDuplicateRowsTest, FindsTheRepeatedRows)
{
    const DuplicateCase &c = GetParam();
    CSVDocument document;
    document.setRowArrays(DocumentState::makeRows(QString::fromUtf8(c.rows).split(u'|')));
    document.setNumberOfColumns(3);
    document.buildTableViewColumns();
    {
        // The third cell is hidden: it counts for whole rows all the same.
        UndoGroup group(document.undoManager());
        document.removeTableColumn(document.tableColumns().at(2));
    }
    document.undoManager().removeAllActions();
    const std::string before = DocumentState::table(document);

    EXPECT_EQ(runCommand(document, QString::fromLatin1(c.key), c.purpose), c.answer);
    EXPECT_EQ(state(document), c.after);
    document.undoManager().undo();
    if (c.purpose == Purpose::Remove)
        EXPECT_EQ(DocumentState::table(document), before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CSVDuplicateRowsTest, ::testing::Values(
    DuplicateCase{"RemoveWholeRows", "a,b,0|a,b,0|c,d,0|a,b,0", "", Purpose::Remove, 2,
        "a,b,0|c,d,0 cols=0:1 1:2 sel=/ undo=LSUDRemoveDuplicateRows redo= mode=1"},
    DuplicateCase{"RemoveByKeyColumn", "a,b,0|x,b,1|c,d,2|y,b,3", "1", Purpose::Remove, 2,
        "a,b,0|c,d,2 cols=0:1 1:2 sel=/ undo=LSUDRemoveDuplicateRows redo= mode=1"},
    DuplicateCase{"LetterCaseDiffers", "A,b,0|a,b,0|a,B,0", "", Purpose::Remove, 0,
        "A,b,0|a,b,0|a,B,0 cols=0:1 1:2 sel=/ undo= redo= mode=1"},
    DuplicateCase{"HiddenCellDiffers", "a,b,0|a,b,1", "", Purpose::Remove, 0,
        "a,b,0|a,b,1 cols=0:1 1:2 sel=/ undo= redo= mode=1"},
    DuplicateCase{"ShowWholeRows", "x,1,0|y,1,0|x,1,0|z,1,0|y,1,0", "", Purpose::Show, 1,
        "x,1,0|y,1,0|x,1,0|z,1,0|y,1,0 filtered=x,1,0|x,1,0|y,1,0|y,1,0 cols=0:1 1:2 sel=/ "
        "undo= redo= mode=3"},
    DuplicateCase{"ShowSortsIgnoringCase", "b,1,0|A,2,0|B,1,0|a,2,0", "1", Purpose::Show, 1,
        "b,1,0|A,2,0|B,1,0|a,2,0 filtered=b,1,0|B,1,0|A,2,0|a,2,0 cols=0:1 1:2 sel=/ "
        "undo= redo= mode=3"},
    DuplicateCase{"ShowNone", "x,1,0|y,1,0", "0", Purpose::Show, 0,
        "x,1,0|y,1,0 cols=0:1 1:2 sel=/ undo= redo= mode=1"}),
    caseName);
// clang-format on

// The view of the duplicates: a row removed there leaves the document too, and undo brings it
// back; the view ends with every row shown and none selected. Entering it again finds the rows
// as they are now.
TEST(CSVDuplicateRowsViewTest, RemovingInTheViewAndLeavingIt)
{
    CSVDocument document;
    document.setRowArrays(DocumentState::makeRows({"x", "y", "x", "z", "y"}));
    document.setNumberOfColumns(1);
    document.buildTableViewColumns();
    runCommand(document, QString(), Purpose::Show);
    document.selectRowIndexes({1}, false);
    CSVRemoval(document, CSVRemoval::Kind::Rows).answer(true, false);
    EXPECT_EQ(state(document),
              "x|y|z|y filtered=x|y|y cols=0:1 sel=/ undo=LSUDRemoveRow redo= mode=3");
    document.undoManager().undo();
    EXPECT_EQ(state(document), "x|y|x|z|y filtered=x|x|y|y cols=0:1 sel=1/ undo= "
                               "redo=LSUDRemoveRow mode=3");

    document.switchToDisplayMode(CSVDocument::DuplicateRowsMode);
    EXPECT_EQ(document.displayMode(), CSVDocument::DuplicateRowsMode);
    CSVDuplicateRows::endShowDuplicateRows(document);
    EXPECT_EQ(state(document), "x|y|x|z|y cols=0:1 sel=/ undo= redo=LSUDRemoveRow mode=1");
}

// A row hashed: whole rows or one cell, by a straightforward reference that compares each row
// with every row before it.
IndexSet pairwiseReference(const CSVRowList &rows, qint64 key, Purpose purpose)
{
    const auto cell = [key](const CSVRow &row) {
        return key < row.count() ? row.at(key) : QString();
    };
    IndexSet found;
    for (size_t j = 0; j < rows.size(); ++j) {
        for (size_t k = 0; k < j; ++k) {
            const bool same = key == CSVDuplicateSearch::s_wholeRows
                                  ? rows[k]->cells() == rows[j]->cells()
                                  : cell(*rows[k]) == cell(*rows[j]);
            if (same) {
                found.add(qint64(j));
                if (purpose == Purpose::Show)
                    found.add(qint64(k));
                break;
            }
        }
    }
    return found;
}

// Random tables of few distinct cells, so nearly every row repeats another: rows of one to
// three cells, some stored as Latin-1, some as UTF-16 (a cell beyond Latin-1 makes the whole row
// wide), compared whole and by a column that short rows lack.
TEST(CSVDuplicateSearchTest, AgreesWithComparingEveryPair)
{
    std::mt19937 random(17);
    const QStringList pieces{QString(), QStringLiteral("a"), QStringLiteral("A"),
                             QStringLiteral("é"), QStringLiteral("ő")};
    for (int round = 0; round < 8; ++round) {
        CSVRowList rows;
        for (int i = 0; i < 150; ++i) {
            QStringList cells;
            const int count = 1 + int(random() % 3);
            for (int c = 0; c < count; ++c)
                cells << pieces[random() % pieces.size()];
            rows.push_back(makeCSVRow(cells));
        }
        for (qint64 key : {CSVDuplicateSearch::s_wholeRows, qint64(0), qint64(2)}) {
            for (Purpose purpose : {Purpose::Remove, Purpose::Show}) {
                CSVDuplicateSearch search(rows, key, purpose);
                ASSERT_TRUE(search.run([](qint64) { return true; }));
                EXPECT_EQ(search.found(), pairwiseReference(rows, key, purpose))
                    << "round " << round << " key " << key;
            }
        }
    }
}

// Cancel: the search stops when asked and finds nothing, so the command changes nothing.
TEST(CSVDuplicateSearchTest, StopsWhenCancelled)
{
    CSVRowList rows;
    for (int i = 0; i < 10000; ++i)
        rows.push_back(makeCSVRow({QStringLiteral("same")}));
    CSVDuplicateSearch search(rows, CSVDuplicateSearch::s_wholeRows, Purpose::Remove);
    std::vector<qint64> asked;
    EXPECT_FALSE(search.run([&asked](qint64 examined) {
        asked.push_back(examined);
        return asked.size() < 2;
    }));
    EXPECT_EQ(asked, (std::vector<qint64>{1, 4097}));
    EXPECT_TRUE(search.found().isEmpty());
}

} // namespace

#include "CSVCommandTest.h"

#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVColumnCommands.h"
#include "document/commands/CSVEmptyCells.h"
#include "document/commands/CSVInsertColumns.h"
#include "document/commands/CSVInsertRows.h"
#include "document/commands/CSVRemoval.h"
#include "document/commands/CSVRowCommands.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <functional>

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("a%1,b%1,c%1").arg(i);
    return lines;
}

void CSVCommandTest::SetUp()
{
    m_document.setRowArrays(DocumentState::makeRows(GetParam().lines));
    m_document.setNumberOfColumns(3);
    m_document.buildTableViewColumns();
    {
        UndoGroup group(m_document.undoManager());
        GetParam().setup(m_document);
    }
    m_document.undoManager().removeAllActions();
}

// Whole state after the command and after its undo; redo gives back the state after the
// command (the selection aside, which undo and redo leave to the primitives).
TEST_P(CSVCommandTest, ChangesThenUndoesAndRedoesAsOneNamedStep)
{
    const CommandCase &c = GetParam();
    UndoManager &undo = m_document.undoManager();
    c.command(m_document);
    EXPECT_EQ(DocumentState::full(m_document), c.after);
    const std::string after = DocumentState::withSteps(m_document);

    undo.undo();
    EXPECT_EQ(DocumentState::full(m_document), c.afterUndo);
    undo.redo();
    EXPECT_EQ(DocumentState::withSteps(m_document), after);
}

namespace {

using NamedCases::PrintTo;

void removeSelected(CSVDocument &document, CSVRemoval::Kind kind)
{
    CSVRemoval(document, kind).answer(true, false);
}

using RowPlacement = CSVInsertRows::Options::Placement;
using ColumnPlacement = CSVInsertColumns::Options::Placement;

// Opens the insert sheet, chooses, confirms.
void insertRows(CSVDocument &document, qint32 count, RowPlacement placement)
{
    CSVInsertRows::Options options = CSVInsertRows::open(document);
    options.count = count;
    options.placement = placement;
    CSVInsertRows::close(document, options, true);
}

void insertColumns(CSVDocument &document, qint32 count, ColumnPlacement placement, qint64 column)
{
    CSVInsertColumns::Options options = CSVInsertColumns::open(document);
    options.count = count;
    options.placement = placement;
    options.column = column;
    CSVInsertColumns::close(document, options, true);
}

const auto noSetup = [](CSVDocument &) {};

INSTANTIATE_TEST_SUITE_P(
    Commands, CSVCommandTest,
    ::testing::Values(
        // Undo takes back the shown column only: the cells and the used position stay, so the
        // next column after one of four was removed is "5", and after an undone one, "6".
        CommandCase{"AddColumnNumbersAfterEveryUsedPosition", numberedLines(1),
                    [](CSVDocument &d) {
                        d.selectColumnIndexes({1}, false);
                        removeSelected(d, CSVRemoval::Kind::Columns);
                    },
                    [](CSVDocument &d) {
                        CSVColumnCommands::addNewColumn(d);
                        d.undoManager().undo();
                        CSVColumnCommands::addNewColumn(d);
                    },
                    "a0,b0,c0,, cols=0:1 2:3 4:5 sel=/2 undo=LSUDAddColumn redo=",
                    "a0,b0,c0,, cols=0:1 2:3 sel=/ undo= redo=LSUDAddColumn"},
        CommandCase{"RemoveRowsUnderAFilterPutsThemBackInBothLists", numberedLines(4),
                    [](CSVDocument &d) {
                        const CSVRowList &r = d.rowArrays();
                        d.setFilteredRowArrays(CSVRowList{r[1], r[2], r[3]});
                        d.selectRowIndexes({0, 2}, false);
                    },
                    [](CSVDocument &d) { removeSelected(d, CSVRemoval::Kind::Rows); },
                    "a0,b0,c0|a2,b2,c2 filtered=a2,b2,c2 cols=0:1 1:2 2:3 sel=/ "
                    "undo=LSUDRemoveRow redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 filtered=a1,b1,c1|a2,b2,c2|a3,b3,c3 "
                    "cols=0:1 1:2 2:3 sel=0 2/ undo= redo=LSUDRemoveRow"},
        // Each column takes the cell at its own position, not at its place on screen.
        CommandCase{"HeaderFromARowOfAReorderedTable", numberedLines(3),
                    [](CSVDocument &d) {
                        d.moveTableColumn(2, 0);
                        d.selectRowIndexes({1}, false);
                    },
                    CSVRowCommands::selectedRowIsHeader,
                    "a0,b0,c0|a2,b2,c2 cols=2:c1 0:a1 1:b1 sel=/ "
                    "undo=LSUDSelectedRowIsHeader redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=2:3 0:1 1:2 sel=1/ "
                    "undo= redo=LSUDSelectedRowIsHeader"},
        // Rows 4 and 7 are selected: three empty rows go in at 4, and the former row 4 moves
        // to 7.
        CommandCase{"InsertThreeRowsBeforeTheFirstSelected", numberedLines(8),
                    [](CSVDocument &d) {
                        d.selectRowIndexes({4, 7}, false);
                    },
                    [](CSVDocument &d) { insertRows(d, 3, RowPlacement::BeforeFirstSelectedRow); },
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3|,,|,,|,,|a4,b4,c4|a5,b5,c5|a6,b6,c6|"
                    "a7,b7,c7 cols=0:1 1:2 2:3 sel=4 5 6/ undo=LSUDInsertRows redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3|a4,b4,c4|a5,b5,c5|a6,b6,c6|a7,b7,c7 "
                    "cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDInsertRows"},
        // The selected rows whole and the selected columns in every row, as the table shows
        // them, the dragged column included.
        CommandCase{"EmptySelectedRowsAndColumns", numberedLines(3),
                    [](CSVDocument &d) {
                        d.moveTableColumn(0, 2);
                        d.selectRowIndexes({2}, false);
                        d.selectColumnIndexes({2}, false);
                    },
                    CSVEmptyCells::emptySelectedCells,
                    ",b0,c0|,b1,c1|,, cols=1:2 2:3 0:1 sel=2/2 undo=LSUDDataEdited redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=1:2 2:3 0:1 sel=2/2 undo= "
                    "redo=LSUDDataEdited"},
        CommandCase{"InsertTwoColumnsAfterDisplayPositionOne", numberedLines(2),
                    [](CSVDocument &d) { d.moveTableColumn(0, 2); },
                    [](CSVDocument &d) { insertColumns(d, 2, ColumnPlacement::AfterColumn, 1); },
                    "a0,b0,c0,,|a1,b1,c1,, cols=1:2 2:3 3:4 4:5 0:1 sel=/2 3 "
                    "undo=LSUDAddColumn redo=",
                    "a0,b0,c0,,|a1,b1,c1,, cols=1:2 2:3 0:1 sel=/ undo= redo=LSUDAddColumn"},
        CommandCase{"EmptyTitle", numberedLines(1), noSetup,
                    [](CSVDocument &d) {
                        CSVColumnCommands::setTitle(d, d.tableColumns().at(1), QString());
                    },
                    "a0,b0,c0 cols=0:1 1: 2:3 sel=/ undo=LSUDEditColumnTitle redo=",
                    "a0,b0,c0 cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDEditColumnTitle"}),
    caseName);

// The question is suppressed per kind, and only by a confirmed answer with the box ticked; a
// declined row removal changes nothing but the row selection, which it empties.
struct SuppressionCase
{
    const char *name;
    CSVRemoval::Kind kind;
    bool confirmed;
    const char *after;
};

class CSVRemovalQuestionTest : public ::testing::TestWithParam<SuppressionCase>
{
protected:
    void TearDown() override
    {
        for (const char *key :
             {DefaultsKeys::RowDeleteAlertSuppress, DefaultsKeys::ColumnDeleteAlertSuppress})
            UserDefaults::standard().removeObject(QString::fromLatin1(key));
    }
};

TEST_P(CSVRemovalQuestionTest, StoresTheTickedBoxOnlyWhenConfirmed)
{
    const SuppressionCase &c = GetParam();
    CSVDocument document;
    document.setRowArrays(DocumentState::makeRows(numberedLines(2)));
    document.setNumberOfColumns(3);
    document.buildTableViewColumns();
    document.selectRowIndexes({1}, false);
    document.selectColumnIndexes({0}, false);
    CSVRemoval(document, c.kind).answer(c.confirmed, true);
    const auto asked = [&](CSVRemoval::Kind kind) {
        return CSVRemoval(document, kind).isQuestionSuppressed() ? "silent" : "asks";
    };
    EXPECT_EQ(DocumentState::full(document) + " rows " + asked(CSVRemoval::Kind::Rows) +
                  ", columns " + asked(CSVRemoval::Kind::Columns),
              c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CSVRemovalQuestionTest,
    ::testing::Values(SuppressionCase{"RowsConfirmed", CSVRemoval::Kind::Rows, true,
                                      "a0,b0,c0 cols=0:1 1:2 2:3 sel=/0 undo=LSUDRemoveRow redo= "
                                      "rows silent, columns asks"},
                      SuppressionCase{"RowsDeclined", CSVRemoval::Kind::Rows, false,
                                      "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo= redo= "
                                      "rows asks, columns asks"},
                      SuppressionCase{"ColumnsConfirmed", CSVRemoval::Kind::Columns, true,
                                      "a0,b0,c0|a1,b1,c1 cols=1:2 2:3 sel=1/ "
                                      "undo=LSUDRemoveColumn redo= rows asks, columns silent"}),
    caseName);

} // namespace

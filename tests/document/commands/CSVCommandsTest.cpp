#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVColumnCommands.h"
#include "document/commands/CSVInsertColumns.h"
#include "document/commands/CSVInsertRows.h"
#include "document/commands/CSVRemoval.h"
#include "document/commands/CSVRowCommands.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Rows "a0,b0,c0", "a1,b1,c1", ... shown in three columns "1" to "3".
CSVRowList numberedRows(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("a%1,b%1,c%1").arg(i);
    return DocumentState::makeRows(lines);
}

// Shows only the rows at these indexes, as a search filter does.
void filter(CSVDocument &document, std::initializer_list<size_t> indexes)
{
    CSVRowList shown;
    for (size_t index : indexes)
        shown.push_back(document.rowArrays().at(index));
    document.setFilteredRowArrays(shown);
    document.setDisplayMode(CSVDocument::FilterMode);
}

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

struct CommandCase
{
    const char *name;
    int rowCount;
    // Filters, selects or moves columns before the command; this is not part of its step.
    std::function<void(CSVDocument &)> setup;
    std::function<void(CSVDocument &)> command;
    const char *after;
    const char *afterUndo;
};

class CSVCommandTest : public ::testing::TestWithParam<CommandCase>
{
protected:
    void SetUp() override
    {
        // Stands in for the window's search field, which drops the filter when asked to clear.
        QObject::connect(&m_document, &CSVDocument::searchFieldResetRequested, &m_document,
                         [this] { m_document.setFilteredRowArrays(std::nullopt); });
        m_document.setRowArrays(numberedRows(GetParam().rowCount));
        m_document.setNumberOfColumns(3);
        m_document.buildTableViewColumns();
        {
            UndoGroup group(m_document.undoManager());
            GetParam().setup(m_document);
        }
        m_document.undoManager().removeAllActions();
    }

    CSVDocument m_document;
};

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

const auto noSetup = [](CSVDocument &) {};

INSTANTIATE_TEST_SUITE_P(
    Commands, CSVCommandTest,
    ::testing::Values(
        CommandCase{"AddRowClearsTheFilterAndAppends", 3, [](CSVDocument &d) { filter(d, {1}); },
                    CSVRowCommands::addNewRow,
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|,, cols=0:1 1:2 2:3 sel=3/ "
                    "undo=LSUDAddRow redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDAddRow"},
        // Undo takes back the shown column only: the cells and the used position stay, so the
        // next column after one of four was removed is "5", and after an undone one, "6".
        CommandCase{"AddColumnNumbersAfterEveryUsedPosition", 1,
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
        CommandCase{"RemoveRowsUnderAFilterPutsThemBackInBothLists", 4,
                    [](CSVDocument &d) {
                        filter(d, {1, 2, 3});
                        d.selectRowIndexes({0, 2}, false);
                    },
                    [](CSVDocument &d) { removeSelected(d, CSVRemoval::Kind::Rows); },
                    "a0,b0,c0|a2,b2,c2 filtered=a2,b2,c2 cols=0:1 1:2 2:3 sel=/ "
                    "undo=LSUDRemoveRow redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 filtered=a1,b1,c1|a2,b2,c2|a3,b3,c3 "
                    "cols=0:1 1:2 2:3 sel=0 2/ undo= redo=LSUDRemoveRow"},
        CommandCase{"RemoveColumnsKeepsTheirCells", 2,
                    [](CSVDocument &d) {
                        d.selectColumnIndexes({0, 2}, false);
                        d.selectRowIndexes({1}, false);
                    },
                    [](CSVDocument &d) { removeSelected(d, CSVRemoval::Kind::Columns); },
                    "a0,b0,c0|a1,b1,c1 cols=1:2 sel=1/ undo=LSUDRemoveColumn redo=",
                    "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=1/0 2 undo= redo=LSUDRemoveColumn"},
        // Each column takes the cell at its own position, not at its place on screen.
        CommandCase{"HeaderFromARowOfAReorderedTable", 3,
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
        CommandCase{"InsertThreeRowsBeforeTheFirstSelected", 8,
                    [](CSVDocument &d) {
                        d.selectRowIndexes({4, 7}, false);
                    },
                    [](CSVDocument &d) { insertRows(d, 3, RowPlacement::BeforeFirstSelectedRow); },
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3|,,|,,|,,|a4,b4,c4|a5,b5,c5|a6,b6,c6|"
                    "a7,b7,c7 cols=0:1 1:2 2:3 sel=4 5 6 7/ undo=LSUDInsertRows redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3|a4,b4,c4|a5,b5,c5|a6,b6,c6|a7,b7,c7 "
                    "cols=0:1 1:2 2:3 sel=7/ undo= redo=LSUDInsertRows"},
        // The filter shows rows 2 and 3 and the second is selected: the new rows go before
        // row 3 among all rows, once the filter is cleared.
        CommandCase{"InsertRowsBeforeTheSelectedRowOfAFilter", 4,
                    [](CSVDocument &d) {
                        filter(d, {2, 3});
                        d.selectRowIndexes({1}, false);
                    },
                    [](CSVDocument &d) { insertRows(d, 1, RowPlacement::BeforeFirstSelectedRow); },
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|,,|a3,b3,c3 cols=0:1 1:2 2:3 sel=1 3/ "
                    "undo=LSUDInsertRows redo=",
                    "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 cols=0:1 1:2 2:3 sel=1/ "
                    "undo= redo=LSUDInsertRows"},
        CommandCase{"InsertTwoColumnsAfterDisplayPositionOne", 2,
                    [](CSVDocument &d) { d.moveTableColumn(0, 2); },
                    [](CSVDocument &d) { insertColumns(d, 2, ColumnPlacement::AfterColumn, 1); },
                    "a0,b0,c0,,|a1,b1,c1,, cols=1:2 2:3 3:4 4:5 0:1 sel=/2 3 "
                    "undo=LSUDAddColumn redo=",
                    "a0,b0,c0,,|a1,b1,c1,, cols=1:2 2:3 0:1 sel=/ undo= redo=LSUDAddColumn"},
        CommandCase{"InsertColumnsStayUnderTheFilter", 3, [](CSVDocument &d) { filter(d, {1}); },
                    [](CSVDocument &d) { insertColumns(d, 1, ColumnPlacement::BeforeColumn, 0); },
                    "a0,b0,c0,|a1,b1,c1,|a2,b2,c2, filtered=a1,b1,c1, cols=3:4 0:1 1:2 2:3 "
                    "sel=/0 undo=LSUDAddColumn redo=",
                    "a0,b0,c0,|a1,b1,c1,|a2,b2,c2, filtered=a1,b1,c1, cols=0:1 1:2 2:3 sel=/ "
                    "undo= redo=LSUDAddColumn"},
        CommandCase{"EmptyTitle", 1, noSetup,
                    [](CSVDocument &d) {
                        CSVColumnCommands::setTitle(d, d.tableColumns().at(1), QString());
                    },
                    "a0,b0,c0 cols=0:1 1: 2:3 sel=/ undo=LSUDEditColumnTitle redo=",
                    "a0,b0,c0 cols=0:1 1:2 2:3 sel=/ undo= redo=LSUDEditColumnTitle"}),
    [](const auto &info) { return std::string(info.param.name); });

// Commands whose precondition does not hold, or whose answer is no, change nothing and record
// no step; a declined row removal still empties the row selection.
struct NoStepCase
{
    const char *name;
    std::function<void(CSVDocument &)> command;
    const char *after;
};

class CSVNoStepTest : public ::testing::TestWithParam<NoStepCase>
{};

TEST_P(CSVNoStepTest, ChangesNothingUndoable)
{
    CSVDocument document;
    document.setRowArrays(numberedRows(2));
    document.setNumberOfColumns(3);
    document.buildTableViewColumns();
    document.selectRowIndexes({1}, false);
    document.selectColumnIndexes({0}, false);
    GetParam().command(document);
    EXPECT_EQ(DocumentState::full(document), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CSVNoStepTest,
    ::testing::Values(NoStepCase{"DeclinedRowRemoval",
                                 [](CSVDocument &d) {
                                     CSVRemoval(d, CSVRemoval::Kind::Rows).answer(false, true);
                                 },
                                 "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo= redo="},
                      NoStepCase{"InsertNoRows",
                                 [](CSVDocument &d) { insertRows(d, 0, RowPlacement::AtEnd); },
                                 "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=1/0 undo= redo="}),
    [](const auto &info) { return std::string(info.param.name); });

// The question is suppressed per kind, and only by a confirmed answer with the box ticked.
struct SuppressionCase
{
    const char *name;
    CSVRemoval::Kind kind;
    bool confirmed;
    bool ticked;
    const char *stored;
};

class CSVRemovalSuppressionTest : public ::testing::TestWithParam<SuppressionCase>
{
protected:
    void TearDown() override
    {
        for (const char *key :
             {DefaultsKeys::RowDeleteAlertSuppress, DefaultsKeys::ColumnDeleteAlertSuppress})
            UserDefaults::standard().removeObject(QString::fromLatin1(key));
    }
};

TEST_P(CSVRemovalSuppressionTest, StoresTheBoxOnlyWhenConfirmed)
{
    const SuppressionCase &c = GetParam();
    CSVDocument document;
    document.buildTableViewColumns();
    document.selectRowIndexes({0}, false);
    document.selectColumnIndexes({0}, false);
    CSVRemoval(document, c.kind).answer(c.confirmed, c.ticked);
    const auto asked = [&](CSVRemoval::Kind kind) {
        return CSVRemoval(document, kind).isQuestionSuppressed() ? "silent" : "asks";
    };
    EXPECT_EQ(std::string("rows ") + asked(CSVRemoval::Kind::Rows) + ", columns " +
                  asked(CSVRemoval::Kind::Columns),
              c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CSVRemovalSuppressionTest,
    ::testing::Values(SuppressionCase{"RowsConfirmedTicked", CSVRemoval::Kind::Rows, true, true,
                                      "rows silent, columns asks"},
                      SuppressionCase{"RowsDeclinedTicked", CSVRemoval::Kind::Rows, false, true,
                                      "rows asks, columns asks"},
                      SuppressionCase{"ColumnsConfirmedTicked", CSVRemoval::Kind::Columns, true,
                                      true, "rows asks, columns silent"}),
    [](const auto &info) { return std::string(info.param.name); });

// The sheets open with the place chosen last time, if it still makes sense.
TEST(CSVInsertSheetsTest, RememberTheLastPlacementWhicheverButtonClosedThem)
{
    CSVDocument document;
    document.buildTableViewColumns();
    document.selectRowIndexes({0}, false);
    CSVInsertRows::Options rows = CSVInsertRows::open(document);
    rows.placement = RowPlacement::BeforeFirstSelectedRow;
    CSVInsertRows::close(document, rows, false);
    CSVInsertColumns::Options columns = CSVInsertColumns::open(document);
    columns.placement = ColumnPlacement::AfterColumn;
    CSVInsertColumns::close(document, columns, false);

    const auto placements = [&] {
        const CSVInsertRows::Options rows = CSVInsertRows::open(document);
        return std::to_string(int(rows.placement)) + (rows.canInsertBeforeSelection() ? "+" : "-") +
               " " + std::to_string(int(CSVInsertColumns::open(document).placement));
    };
    const std::string withSelection = placements();
    document.selectRowIndexes({}, false);
    const std::string withoutSelectedRow = placements();
    document.setNumberOfColumns(0);
    document.buildTableViewColumns();
    EXPECT_EQ(withSelection + " / " + withoutSelectedRow + " / " + placements(),
              "2+ 3 / 0- 3 / 0- 0");
}

} // namespace

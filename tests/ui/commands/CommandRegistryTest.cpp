#include "ui/commands/CommandRegistry.h"

#include "support/NamedCase.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using NamedCases::PrintTo;

using Id = CommandId;

// "SaveDocument AddNewRow": what is offered in the state, of one command for each rule.
std::string offered(const CommandState &state)
{
    QStringList names;
    for (Id id : {Id::AdjustWidthForAllTableColumns,
                  Id::NewDocument,
                  Id::InvertSelection,
                  Id::DeselectAll,
                  Id::Undo,
                  Id::SaveDocument,
                  Id::RevertDocumentToSaved,
                  Id::ReopenWithEncoding,
                  Id::NewDocumentFromSelection,
                  Id::AddNewRow,
                  Id::RemoveSelectedRows,
                  Id::SelectedRowIsHeader,
                  Id::RemoveSelectedColumns,
                  Id::EditTitleOfSelectedColumn,
                  Id::AlignLeft,
                  Id::ShowDuplicateRows,
                  Id::RemoveDuplicateRows,
                  Id::FindNextAction,
                  Id::ReplaceAction,
                  Id::Copy,
                  Id::Paste,
                  Id::NewDocumentFromPasteboard}) {
        if (CommandRegistry::isEnabled(id, state))
            names << commandName(id);
    }
    return names.join(u' ').toStdString();
}

struct RuleCase
{
    const char *name;
    CommandState state;
    const char *offered;
};

// r selected rows and c selected columns of m in an editable document.
CommandState editable(qint64 r, qint64 c, qint64 m = 4)
{
    CommandState state;
    state.selectedRows = r;
    state.selectedColumns = c;
    state.columns = m;
    return state;
}

template<typename Change>
CommandState with(CommandState state, Change change)
{
    change(state);
    return state;
}

const auto readOnly = [](CommandState &s) { s.editable = false; };
const auto duplicates = [](CommandState &s) { s.displayMode = 3; };
const auto focusedWithHistory = [](CommandState &s) {
    s.tableHasFocus = s.canUndo = s.hasFile = s.hasUnsavedChanges = s.findHitRemembered = true;
};
const auto rowsOnClipboard = [](CommandState &s) { s.canPaste = true; };
const auto panelOpen = [](CommandState &s) {
    focusedWithHistory(s);
    s.titlePanelOpen = true;
};

class CommandRulesTest : public ::testing::TestWithParam<RuleCase>
{};

TEST_P(CommandRulesTest, OffersTheCommandsWhoseRulesHold)
{
    EXPECT_EQ(offered(GetParam().state), GetParam().offered);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(States, CommandRulesTest, ::testing::Values(
    RuleCase{"NothingSelected", editable(0, 0),
        "AdjustWidthForAllTableColumns NewDocument SaveDocument AddNewRow ShowDuplicateRows "
        "RemoveDuplicateRows"},
    RuleCase{"OneRow", editable(1, 0),
        "AdjustWidthForAllTableColumns NewDocument DeselectAll SaveDocument "
        "NewDocumentFromSelection AddNewRow RemoveSelectedRows SelectedRowIsHeader "
        "ShowDuplicateRows RemoveDuplicateRows Copy"},
    RuleCase{"RowsAndSomeColumnsFocused",
        with(with(editable(2, 2), focusedWithHistory), rowsOnClipboard),
        "AdjustWidthForAllTableColumns NewDocument InvertSelection DeselectAll Undo SaveDocument "
        "RevertDocumentToSaved ReopenWithEncoding NewDocumentFromSelection AddNewRow "
        "RemoveSelectedRows RemoveSelectedColumns AlignLeft ShowDuplicateRows "
        "RemoveDuplicateRows FindNextAction ReplaceAction Copy Paste NewDocumentFromPasteboard"},
    RuleCase{"TheOnlyColumn", editable(0, 1, 1),
        "AdjustWidthForAllTableColumns NewDocument DeselectAll SaveDocument AddNewRow "
        "EditTitleOfSelectedColumn AlignLeft ShowDuplicateRows RemoveDuplicateRows Copy"},
    RuleCase{"ReadOnly",
        with(with(with(editable(2, 1), readOnly), focusedWithHistory), rowsOnClipboard),
        "AdjustWidthForAllTableColumns NewDocument InvertSelection DeselectAll Undo "
        "RevertDocumentToSaved ReopenWithEncoding NewDocumentFromSelection ShowDuplicateRows "
        "FindNextAction NewDocumentFromPasteboard"},
    RuleCase{"DuplicateRowsView", with(editable(1, 2), duplicates),
        "AdjustWidthForAllTableColumns NewDocument DeselectAll SaveDocument "
        "NewDocumentFromSelection RemoveSelectedRows AlignLeft ShowDuplicateRows Copy"},
    RuleCase{"TitlePanelOpenLeavesTheApplicationsCommands", with(editable(1, 0), panelOpen),
        "NewDocument NewDocumentFromSelection"}),
    caseName);
// clang-format on

} // namespace

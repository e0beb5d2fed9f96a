#include "ui/DocumentCommandValidator.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

// The states the window is in: an editable document, one opened read-only, the duplicate-rows
// view; r selected rows, c selected columns of m.
CommandState editable(qint64 r, qint64 c, qint64 m = 4)
{
    CommandState state;
    state.selectedRows = r;
    state.selectedColumns = c;
    state.columns = m;
    return state;
}

CommandState readOnly(qint64 r, qint64 c, qint64 m = 4)
{
    CommandState state = editable(r, c, m);
    state.editable = false;
    return state;
}

CommandState duplicates(qint64 r, qint64 c, qint64 m = 4)
{
    CommandState state = editable(r, c, m);
    state.displayMode = 3;
    return state;
}

template<typename Change>
CommandState with(CommandState state, Change change)
{
    change(state);
    return state;
}

struct ValidationCase
{
    const char *name;
    const char *item; // an action, or a toolbar identifier
    CommandState state;
    bool menuEnabled;
    bool toolbarItem = false;
};

class DocumentCommandValidatorTest : public ::testing::TestWithParam<ValidationCase>
{};

TEST_P(DocumentCommandValidatorTest, OffersTheCommandExactlyWhenItsRuleHolds)
{
    const ValidationCase &c = GetParam();
    const QString item = QString::fromLatin1(c.item);
    if (c.toolbarItem)
        EXPECT_EQ(DocumentCommandValidator::isToolbarItemEnabled(item, c.state), c.menuEnabled);
    else
        EXPECT_EQ(DocumentCommandValidator::isMenuItemEnabled(item, c.state), c.menuEnabled);
}

const auto focused = [](CommandState &s) { s.tableHasFocus = true; };
const auto panelOpen = [](CommandState &s) { s.titlePanelOpen = true; };
const auto hit = [](CommandState &s) { s.findHitRemembered = true; };

// clang-format off
INSTANTIATE_TEST_SUITE_P(Menu, DocumentCommandValidatorTest, ::testing::Values(
    ValidationCase{"PanelOpenDisablesEvenUnruledActions", "sortRows", with(editable(1, 1), panelOpen), false},
    ValidationCase{"PanelOpenDisablesUndo", "undo", with(editable(0, 0), panelOpen), false},
    ValidationCase{"UnruledActionAlways", "sortRows", readOnly(0, 0), true},
    ValidationCase{"ShowSearchDialogReadOnly", "showSearchDialog", duplicates(0, 0), true},
    ValidationCase{"InvertNeedsTableFocus", "invertSelection", editable(3, 0), false},
    ValidationCase{"InvertWithFocusEvenReadOnly", "invertSelection", with(readOnly(0, 0), focused), true},
    ValidationCase{"DeselectNothingSelected", "deselectAll", editable(0, 0), false},
    ValidationCase{"DeselectRowSelected", "deselectAll", readOnly(1, 0), true},
    ValidationCase{"DeselectColumnSelected", "deselectAll", duplicates(0, 1), true},
    ValidationCase{"AddRowEditable", "addNewRow", editable(0, 0), true},
    ValidationCase{"AddRowReadOnly", "addNewRow", readOnly(0, 0), false},
    ValidationCase{"AddRowDuplicates", "addNewRow", duplicates(0, 0), false},
    ValidationCase{"InsertRowsDuplicates", "insertRows", duplicates(1, 0), false},
    ValidationCase{"AddColumnEditable", "addNewColumn", editable(0, 0), true},
    ValidationCase{"InsertColumnsReadOnly", "insertColumns", readOnly(0, 0), false},
    ValidationCase{"RemoveDuplicatesInDuplicateView", "removeDuplicateRows", duplicates(0, 0), false},
    ValidationCase{"RemoveDuplicatesEditable", "removeDuplicateRows", editable(0, 0), true},
    ValidationCase{"SaveEditable", "saveDocument", duplicates(0, 0), true},
    ValidationCase{"SaveAsReadOnly", "saveDocumentAs", readOnly(0, 0), false},
    ValidationCase{"RemoveRowsNoneSelected", "removeSelectedRows", editable(0, 2), false},
    ValidationCase{"RemoveRowsInDuplicateView", "removeSelectedRows", duplicates(2, 0), true},
    ValidationCase{"RemoveRowsReadOnly", "removeSelectedRows", readOnly(2, 0), false},
    ValidationCase{"RowIsHeaderOneRow", "selectedRowIsHeader", editable(1, 0), true},
    ValidationCase{"RowIsHeaderTwoRows", "selectedRowIsHeader", editable(2, 0), false},
    ValidationCase{"RowIsHeaderDuplicates", "selectedRowIsHeader", duplicates(1, 0), false},
    ValidationCase{"RemoveColumnsSome", "removeSelectedColumns", editable(0, 3, 4), true},
    ValidationCase{"RemoveColumnsAll", "removeSelectedColumns", editable(0, 4, 4), false},
    ValidationCase{"RemoveColumnsNone", "removeSelectedColumns", editable(2, 0, 4), false},
    ValidationCase{"RemoveColumnsDuplicates", "removeSelectedColumns", duplicates(0, 1, 4), false},
    ValidationCase{"RemoveColumnFromMenuLastOne", "removeColumnFromCTM", editable(0, 1, 1), false},
    ValidationCase{"RemoveColumnFromMenuReadOnly", "removeColumnFromCTM", readOnly(0, 1, 4), false},
    ValidationCase{"FillOneColumn", "fillSelectedColumns", editable(0, 1), true},
    ValidationCase{"FillAllColumns", "fillSelectedColumns", editable(0, 4, 4), true},
    ValidationCase{"ConvertNoColumn", "convertColumnContent", editable(3, 0), false},
    ValidationCase{"ConvertFromMenuDuplicates", "convertColumnContentCTM", duplicates(0, 1), false},
    ValidationCase{"EditTitleOneColumn", "editTitleOfSelectedColumn", editable(0, 1), true},
    ValidationCase{"EditTitleTwoColumns", "editTitleOfSelectedColumn", editable(0, 2), false},
    ValidationCase{"EditTitleFromMenuReadOnly", "editColumnTitleFromCTM", readOnly(0, 1), false},
    ValidationCase{"FindNextWithoutHit", "findNextAction", editable(1, 1), false},
    ValidationCase{"FindNextHitReadOnly", "findNextAction", with(readOnly(0, 0), hit), true},
    ValidationCase{"ReplaceHit", "replaceAction", with(duplicates(0, 0), hit), true},
    ValidationCase{"ReplaceAndFindNextWithoutHit", "replaceAndFindNextAction", editable(0, 0), false},
    ValidationCase{"MergeTwoColumns", "mergeSelectedColumns", editable(0, 2), true},
    ValidationCase{"MergeOneColumn", "mergeSelectedColumns", editable(0, 1), false},
    ValidationCase{"MergeDuplicates", "mergeSelectedColumns", duplicates(0, 2), false},
    ValidationCase{"AlignInDuplicateView", "setAlignmentForSelectedColumns", duplicates(0, 1), true},
    ValidationCase{"AlignReadOnly", "setAlignmentForSelectedColumns", readOnly(0, 1), false},
    ValidationCase{"AlignNoColumn", "setAlignmentForSelectedColumns", editable(1, 0), false},
    ValidationCase{"ShiftInDuplicateView", "shiftContent", duplicates(1, 0), true},
    ValidationCase{"RotateNoRow", "rotateContent", editable(0, 1), false},
    ValidationCase{"RotateReadOnly", "rotateContent", readOnly(1, 0), false},
    ValidationCase{"AdjustWidthsReadOnly", "adjustWidthForAllTableColumns", readOnly(0, 0), true}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Toolbar, DocumentCommandValidatorTest, ::testing::Values(
    ValidationCase{"AddRowEditable", "AddRow", editable(0, 0), true, true},
    ValidationCase{"AddRowReadOnly", "AddRow", readOnly(0, 0), false, true},
    ValidationCase{"AddColumnDuplicates", "AddColumn", duplicates(0, 0), false, true},
    ValidationCase{"RemoveRowDuplicatesWithRow", "RemoveRow", duplicates(1, 0), true, true},
    ValidationCase{"RemoveRowNoRow", "RemoveRow", editable(0, 1), false, true},
    ValidationCase{"RemoveRowReadOnly", "RemoveRow", readOnly(1, 0), false, true},
    ValidationCase{"RemoveColumnSome", "RemoveColumn", editable(0, 2, 4), true, true},
    ValidationCase{"RemoveColumnAll", "RemoveColumn", editable(0, 4, 4), false, true},
    ValidationCase{"RemoveColumnDuplicates", "RemoveColumn", duplicates(0, 2, 4), true, true},
    ValidationCase{"OtherItemEditable", "SearchFilter", duplicates(0, 0), true, true},
    ValidationCase{"OtherItemReadOnly", "SearchFilter", readOnly(0, 0), false, true}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace

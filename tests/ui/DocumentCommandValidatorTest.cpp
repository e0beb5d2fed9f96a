#include "ui/DocumentCommandValidator.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// "sortRows addNewRow / AddRow": what the menus and then the toolbar offer in the state, of one
// action or toolbar item for each rule.
std::string offered(const CommandState &state)
{
    QStringList menu, toolbar;
    for (const QString &item :
         QStringLiteral("sortRows invertSelection deselectAll addNewRow saveDocument "
                        "removeSelectedRows selectedRowIsHeader removeSelectedColumns "
                        "fillSelectedColumns editTitleOfSelectedColumn mergeSelectedColumns "
                        "setAlignmentForSelectedColumns rotateContent findNextAction")
             .split(u' ')) {
        if (DocumentCommandValidator::isMenuItemEnabled(item, state))
            menu << item;
    }
    for (const QString &item :
         QStringLiteral("AddRow RemoveRow RemoveColumn SearchFilter").split(u' ')) {
        if (DocumentCommandValidator::isToolbarItemEnabled(item, state))
            toolbar << item;
    }
    return (menu.join(u' ') + QStringLiteral(" / ") + toolbar.join(u' ')).toStdString();
}

struct ValidationCase
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
const auto focusAndHit = [](CommandState &s) { s.tableHasFocus = s.findHitRemembered = true; };
const auto panelOpen = [](CommandState &s) {
    s.editable = false;
    s.tableHasFocus = s.titlePanelOpen = true;
};

class DocumentCommandValidatorTest : public ::testing::TestWithParam<ValidationCase>
{};

TEST_P(DocumentCommandValidatorTest, OffersTheCommandsWhoseRulesHold)
{
    EXPECT_EQ(offered(GetParam().state), GetParam().offered);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(States, DocumentCommandValidatorTest, ::testing::Values(
    ValidationCase{"NothingSelected", editable(0, 0),
        "sortRows addNewRow saveDocument / AddRow SearchFilter"},
    ValidationCase{"OneRow", editable(1, 0),
        "sortRows deselectAll addNewRow saveDocument removeSelectedRows selectedRowIsHeader "
        "rotateContent / AddRow RemoveRow SearchFilter"},
    ValidationCase{"RowsAndSomeColumnsFocused", with(editable(2, 2), [](CommandState &s) { s.tableHasFocus = true; }),
        "sortRows invertSelection deselectAll addNewRow saveDocument removeSelectedRows "
        "removeSelectedColumns fillSelectedColumns mergeSelectedColumns "
        "setAlignmentForSelectedColumns rotateContent / AddRow RemoveRow RemoveColumn SearchFilter"},
    ValidationCase{"TheOnlyColumn", editable(0, 1, 1),
        "sortRows deselectAll addNewRow saveDocument fillSelectedColumns editTitleOfSelectedColumn "
        "setAlignmentForSelectedColumns / AddRow SearchFilter"},
    ValidationCase{"ReadOnly", with(with(editable(2, 1), readOnly), focusAndHit),
        "sortRows invertSelection deselectAll findNextAction / "},
    ValidationCase{"DuplicateRowsView", with(with(editable(1, 2), duplicates), focusAndHit),
        "sortRows invertSelection deselectAll saveDocument removeSelectedRows "
        "setAlignmentForSelectedColumns rotateContent findNextAction / RemoveRow RemoveColumn "
        "SearchFilter"},
    ValidationCase{"TitlePanelOpen", with(editable(1, 0), panelOpen), " / "}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace

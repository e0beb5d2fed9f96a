#pragma once

#include "CommandState.h"

#include <QStringView>

// When the document's commands are offered, in menus and in the toolbar. Commands are named by
// their action ("addNewRow"), toolbar items by their identifier ("AddRow").
class DocumentCommandValidator
{
public:
    // While the title edit panel is open nothing is offered; otherwise the action's own rule,
    // and an action without a rule is always offered.
    static bool isMenuItemEnabled(QStringView action, const CommandState &state);
    // A read-only document offers no toolbar item; otherwise the item's own rule.
    static bool isToolbarItemEnabled(QStringView identifier, const CommandState &state);
};

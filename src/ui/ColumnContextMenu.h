#pragma once

#include "MainMenu.h"

class QMenu;

// The menu behind the arrow of a column header: the clipboard commands, removal, title,
// alignment, conversions, fill and width of the clicked column, which the window has made the
// only selected one.
class ColumnContextMenu
{
public:
    // Empties the menu and fills it for the column at the display position.
    static void fill(QMenu *menu, int column, const MainMenu::Trigger &trigger);

    // The alignment items and the conversion items, shared with the main menu's Table menu.
    static void addAlignmentItems(const CommandMenuFiller &menu);
    static void addConversionItems(const CommandMenuFiller &menu);
};

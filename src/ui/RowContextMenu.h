#pragma once

#include "MainMenu.h"

class QMenu;

// The menu of a right click on the table's rows: the clipboard commands and the row removal,
// for the rows selected (the window first selects an unselected row clicked on).
class RowContextMenu
{
public:
    static void fill(QMenu *menu, const MainMenu::Trigger &trigger);

    // Cut, Copy and Paste, shared with the Edit menu and the column context menu.
    static void addClipboardItems(const CommandMenuFiller &menu);
};

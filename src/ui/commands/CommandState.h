#pragma once

#include <QtGlobal>

// What decides whether a command is offered: a snapshot of the document and its window, taken
// when menus and toolbar items are validated.
struct CommandState
{
    bool editable = true;
    int displayMode = 1;         // 3: the duplicate-rows view
    qint64 selectedRows = 0;     // r
    qint64 selectedColumns = 0;  // c
    qint64 columns = 0;          // m, the shown columns
    bool titlePanelOpen = false; // the column title edit panel is attached to the window
    bool findHitRemembered = false;
    bool tableHasFocus = false;
    bool canUndo = false;
    bool canRedo = false;
    bool hasFile = false; // the document was read from or saved to a file
    bool hasUnsavedChanges = false;
    bool canPaste = false; // the clipboard holds rows or columns

    bool operator==(const CommandState &) const = default;
};

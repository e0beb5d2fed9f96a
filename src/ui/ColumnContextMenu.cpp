#include "ColumnContextMenu.h"

#include "document/CSVTableColumn.h"

#include <QMenu>

void ColumnContextMenu::fill(QMenu *menu, int column, const MainMenu::Trigger &trigger)
{
    menu->clear();
    const CommandMenuFiller items(menu, trigger);
    items.item("LSCTMRemove", "removeColumnFromCTM", {}, 0, QVariant::fromValue(quint64(column)));
    items.separator();
    items.item("LSCTMEditTitle", "editColumnTitleFromCTM", {}, 0, column);
    addAlignmentItems(items.submenu("LSCTMAlignment"));
    items.separator();
    addConversionItems(items.submenu("LSCTMConvertTo"), "convertColumnContentCTM");
    items.separator();
    items.item("LSCTMFill", "fillSelectedColumns");
    items.item("LSCTMEmpty", "convertColumnContentCTM", {}, 99);
    items.separator();
    items.item("LSCTMAdjustColumn", "adjustWidthForSelectedTableColumns");
}

void ColumnContextMenu::addAlignmentItems(const CommandMenuFiller &menu)
{
    menu.item("LSCTMLeft", "setAlignmentForSelectedColumns", {}, qint64(TextAlignment::Left));
    menu.item("LSCTMCenter", "setAlignmentForSelectedColumns", {}, qint64(TextAlignment::Center));
    menu.item("LSCTMRight", "setAlignmentForSelectedColumns", {}, qint64(TextAlignment::Right));
}

void ColumnContextMenu::addConversionItems(const CommandMenuFiller &menu, const char *action)
{
    menu.item("LSCTMConvertUppercase", action, {}, 0);
    menu.item("LSCTMConvertLowercase", action, {}, 1);
    menu.separator();
    menu.item("LSCTMConvertCapitalize", action, {}, 2);
    menu.separator();
    menu.item("LSCTMConvertTrimSpaces", action, {}, 3);
}

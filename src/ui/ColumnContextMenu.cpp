#include "ColumnContextMenu.h"

#include "RowContextMenu.h"

#include <QMenu>

using Id = CommandId;

void ColumnContextMenu::fill(QMenu *menu, int column, const MainMenu::Trigger &trigger)
{
    menu->clear();
    const CommandMenuFiller items(menu, trigger, CommandMenuFiller::Keys::Shown);
    RowContextMenu::addClipboardItems(items);
    items.separator();
    items.add({Id::RemoveColumnFromCTM, column});
    items.separator();
    items.add({Id::EditColumnTitleFromCTM, column});
    addAlignmentItems(items.submenu("LSCTMAlignment"));
    items.separator();
    addConversionItems(items.submenu("LSCTMConvertTo"));
    items.separator();
    items.add(Id::FillSelectedColumns);
    items.add(Id::EmptyColumnContent);
    items.separator();
    items.add(Id::AdjustWidthForSelectedTableColumns);
}

void ColumnContextMenu::addAlignmentItems(const CommandMenuFiller &menu)
{
    menu.add(Id::AlignLeft);
    menu.add(Id::AlignCenter);
    menu.add(Id::AlignRight);
}

void ColumnContextMenu::addConversionItems(const CommandMenuFiller &menu)
{
    menu.add(Id::ConvertToUppercase);
    menu.add(Id::ConvertToLowercase);
    menu.separator();
    menu.add(Id::ConvertToCapitalized);
    menu.separator();
    menu.add(Id::ConvertTrimSpaces);
}

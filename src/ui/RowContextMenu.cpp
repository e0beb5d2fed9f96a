#include "RowContextMenu.h"

#include "commands/CommandMenuFiller.h"

#include <QMenu>

void RowContextMenu::fill(QMenu *menu, const MainMenu::Trigger &trigger)
{
    menu->clear();
    const CommandMenuFiller items(menu, trigger, CommandMenuFiller::Keys::Shown);
    addClipboardItems(items);
    items.separator();
    items.add(CommandId::NewDocumentFromSelection);
    items.add(CommandId::RemoveSelectedRows);
}

void RowContextMenu::addClipboardItems(const CommandMenuFiller &menu)
{
    menu.add(CommandId::Cut);
    menu.add(CommandId::Copy);
    menu.add(CommandId::Paste);
}

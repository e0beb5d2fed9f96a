#include "RowContextMenu.h"

#include "commands/CommandMenuFiller.h"

#include <QMenu>

void RowContextMenu::fill(QMenu *menu, const MainMenu::Trigger &trigger)
{
    menu->clear();
    const CommandMenuFiller items(menu, trigger, CommandMenuFiller::Keys::Shown);
    items.add(CommandId::Cut);
    items.add(CommandId::Copy);
    items.add(CommandId::Paste);
    items.separator();
    items.add(CommandId::NewDocumentFromSelection);
    items.add(CommandId::RemoveSelectedRows);
}

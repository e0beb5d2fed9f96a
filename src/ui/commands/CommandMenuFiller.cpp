#include "CommandMenuFiller.h"

#include "CommandAction.h"
#include "CommandRegistry.h"

#include "foundation/LocalizedStrings.h"

#include <QMenu>

CommandMenuFiller::CommandMenuFiller(QMenu *menu, Trigger trigger)
    : m_menu(menu), m_trigger(std::move(trigger))
{}

CommandAction *CommandMenuFiller::add(const CommandSender &sender, const QString &title) const
{
    auto *action = new CommandAction(sender, m_menu, title);
    action->setShortcuts(CommandRegistry::command(sender.id).shortcuts);
    QObject::connect(action, &QAction::triggered, m_menu,
                     [trigger = m_trigger, action] { trigger(action); });
    m_menu->addAction(action);
    return action;
}

void CommandMenuFiller::separator() const
{
    m_menu->addSeparator();
}

CommandMenuFiller CommandMenuFiller::submenu(const char *titleKey) const
{
    return {m_menu->addMenu(localized(titleKey)), m_trigger};
}

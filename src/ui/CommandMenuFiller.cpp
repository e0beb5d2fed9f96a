#include "CommandMenuFiller.h"

#include "CommandAction.h"

#include "foundation/LocalizedStrings.h"

#include <QMenu>

CommandMenuFiller::CommandMenuFiller(QMenu *menu, Trigger trigger)
    : m_menu(menu), m_trigger(std::move(trigger))
{}

CommandAction *CommandMenuFiller::item(const char *titleKey, const char *action,
                                       const Shortcuts &shortcuts, qint64 tag,
                                       const QVariant &representedObject) const
{
    return add(localized(titleKey), {QString::fromLatin1(action), tag, representedObject},
               shortcuts);
}

CommandAction *CommandMenuFiller::add(const QString &title, const CommandSender &sender,
                                      const Shortcuts &shortcuts) const
{
    auto *action = new CommandAction(sender, title, m_menu);
    action->setShortcuts(shortcuts);
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

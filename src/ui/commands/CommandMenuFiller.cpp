#include "CommandMenuFiller.h"

#include "CommandAction.h"
#include "CommandRegistry.h"

#include "foundation/LocalizedStrings.h"

#include <QMenu>

CommandMenuFiller::CommandMenuFiller(QMenu *menu, Trigger trigger, Keys keys)
    : m_menu(menu), m_trigger(std::move(trigger)), m_keys(keys)
{}

CommandAction *CommandMenuFiller::add(const CommandSender &sender, const QString &title) const
{
    auto *action = new CommandAction(sender, m_menu, title);
    const QList<QKeySequence> &shortcuts = CommandRegistry::command(sender.id).shortcuts;
    if (m_keys == Keys::Owned)
        action->setShortcuts(shortcuts);
    else if (!shortcuts.isEmpty())
        action->setText(action->text() + u'\t' +
                        shortcuts.first().toString(QKeySequence::NativeText));
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
    return {m_menu->addMenu(localized(titleKey)), m_trigger, m_keys};
}

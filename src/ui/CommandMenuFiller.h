#pragma once

#include "CommandSender.h"

#include <QKeySequence>

#include <functional>

class CommandAction;
class QMenu;

// Adds command items to a menu, each sending its command through the trigger when chosen.
class CommandMenuFiller
{
public:
    using Trigger = std::function<void(CommandAction *)>;

    CommandMenuFiller(QMenu *menu, Trigger trigger);

    using Shortcuts = QList<QKeySequence>;

    // An item titled with the localised text of the key; the first shortcut is the one shown.
    CommandAction *item(const char *titleKey, const char *action, const Shortcuts &shortcuts = {},
                        qint64 tag = 0, const QVariant &representedObject = {}) const;
    CommandAction *add(const QString &title, const CommandSender &sender,
                       const Shortcuts &shortcuts = {}) const;
    void separator() const;
    CommandMenuFiller submenu(const char *titleKey) const;

    QMenu *menu() const { return m_menu; }
    const Trigger &trigger() const { return m_trigger; }

private:
    QMenu *m_menu;
    Trigger m_trigger;
};

#pragma once

#include "CommandSender.h"

#include <functional>

class CommandAction;
class QMenu;

// Adds command items to a menu, each sending its command through the trigger when chosen.
class CommandMenuFiller
{
public:
    using Trigger = std::function<void(CommandAction *)>;

    // The main menu's items own the commands' keys. A context menu shows them only: a key given
    // to two items runs neither.
    enum class Keys { Owned, Shown };

    CommandMenuFiller(QMenu *menu, Trigger trigger, Keys keys = Keys::Owned);

    // An item titled and keyed as the command is declared; with a title, for a command with an
    // argument.
    CommandAction *add(CommandId id) const { return add(CommandSender(id)); }
    CommandAction *add(const CommandSender &sender, const QString &title = {}) const;
    void separator() const;
    CommandMenuFiller submenu(const char *titleKey) const;

    QMenu *menu() const { return m_menu; }
    const Trigger &trigger() const { return m_trigger; }

private:
    QMenu *m_menu;
    Trigger m_trigger;
    Keys m_keys;
};

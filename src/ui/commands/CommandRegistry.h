#pragma once

#include "CommandSender.h"
#include "CommandState.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <variant>
#include <vector>

class ApplicationCommands;
class DocumentWindow;

// The toolbar item of a command. Its identifier ("AddRow") names its label ("LSAddRow"), its
// tooltip ("LSAddRowToolTip"), and its image is ":/images/<image>.svg".
struct ToolbarItem
{
    const char *identifier = nullptr;
    const char *image = nullptr;

    QString labelKey() const { return QLatin1String("LS") + QLatin1String(identifier); }
    QString toolTipKey() const { return labelKey() + QLatin1String("ToolTip"); }
};

// One command, declared once: its title in menus, its keys, its toolbar item, when it is
// offered, and what it does. Menus, toolbar and validation are all built from these.
struct Command
{
    // When the command is offered, from a snapshot of the document and its window.
    using Rule = bool (*)(const CommandState &);
    // What the command does: to the window it was sent in, or to the application (new, open,
    // preferences...). Application commands stay offered while a title panel is open, and are
    // never offered in a window that has no application (a window made by a test).
    using WindowAction = std::function<void(DocumentWindow &, const CommandSender &)>;
    using ApplicationAction = std::function<void(ApplicationCommands &, const CommandSender &)>;
    // The feature is not built yet: the command stands in the menus, never offered.
    struct NotBuilt
    {};
    using Action = std::variant<NotBuilt, WindowAction, ApplicationAction>;

    CommandId id;
    const char *titleKey; // nullptr only for a command missing from the registry
    QList<QKeySequence> shortcuts;
    ToolbarItem toolbarItem;
    Rule rule;
    Action action;

    bool isBuilt() const { return !std::holds_alternative<NotBuilt>(action); }
    bool isApplicationCommand() const { return std::holds_alternative<ApplicationAction>(action); }
};

// Every command of the program (see CommandRegistry.cpp).
class CommandRegistry
{
public:
    // The command's declaration. A command missing from the registry answers one without title
    // or action (and logs it once), which the menu walk test reports.
    static const Command &command(CommandId id);
    static const std::vector<Command> &commands();

    // Whether the command is offered: it is built, its rule holds for the state, and it is not
    // a command of the document while the title edit panel is open.
    static bool isEnabled(CommandId id, const CommandState &state);
};

#pragma once

#include "CommandSender.h"

#include <QHash>
#include <QString>

#include <functional>

class DocumentWindow;

// A command the document window performs. It is offered when the window's rules allow its action
// (DocumentCommandValidator) and, where the command has a check of its own, that check agrees.
struct DocumentCommand
{
    using Perform = std::function<void(DocumentWindow &, const CommandSender &)>;
    using IsAvailable = std::function<bool(const DocumentWindow &, const CommandSender &)>;

    DocumentCommand() = default;
    DocumentCommand(Perform perform, IsAvailable isAvailable = {})
        : perform(std::move(perform)), isAvailable(std::move(isAvailable))
    {}

    Perform perform;
    IsAvailable isAvailable;
};

// Every command of the document window, by action name. A menu item whose action is not here
// stays disabled: a command lights up by adding its line.
const QHash<QString, DocumentCommand> &documentCommands();

#pragma once

#include "CommandSender.h"

// A link of the chain that menu and toolbar commands travel: the document window first, then the
// application. The first responder that takes an action validates and performs it; an action
// that no responder takes is shown disabled.
class CommandResponder
{
public:
    virtual ~CommandResponder() = default;
    virtual bool respondsToCommand(const QString &action) const = 0;
    // Asked only for actions the responder takes.
    virtual bool validateCommand(const CommandSender &sender) const = 0;
    virtual void performCommand(const CommandSender &sender) = 0;
};

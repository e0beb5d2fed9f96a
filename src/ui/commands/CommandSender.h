#pragma once

#include "CommandId.h"

#include <QVariant>

// What a menu item, toolbar item or context-menu item sends: the command and, for commands that
// need one, its argument (a column's display position, a file's path, an encoding).
struct CommandSender
{
    CommandSender() = default;
    CommandSender(CommandId id, QVariant argument = {}) : id(id), argument(std::move(argument)) {}

    CommandId id = CommandId::NewDocument;
    QVariant argument;
};

#include "CommandAction.h"

#include "CommandRegistry.h"

#include "foundation/LocalizedStrings.h"

CommandAction::CommandAction(const CommandSender &sender, QObject *parent, const QString &title)
    : QAction(parent), m_sender(sender)
{
    const Command &command = CommandRegistry::command(sender.id);
    setObjectName(commandName(sender.id));
    setText(!title.isEmpty() || !command.titleKey ? title : localized(command.titleKey));
}

#include "CommandAction.h"

CommandAction::CommandAction(const CommandSender &sender, const QString &text, QObject *parent)
    : QAction(text, parent), m_sender(sender)
{
    setObjectName(sender.action);
}

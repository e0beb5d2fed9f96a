#pragma once

#include "CommandSender.h"

#include <QAction>

// A menu or toolbar item that sends a command.
class CommandAction : public QAction
{
    Q_OBJECT

public:
    // Titled with the declared title, or with the title given (an Open Recent item, say).
    CommandAction(const CommandSender &sender, QObject *parent, const QString &title = {});

    const CommandSender &sender() const { return m_sender; }

private:
    CommandSender m_sender;
};

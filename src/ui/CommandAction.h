#pragma once

#include "CommandSender.h"

#include <QAction>

// A menu or toolbar item that sends a command. Toolbar items carry their toolbar identifier
// ("AddRow"), since the toolbar enables them by rules of its own.
class CommandAction : public QAction
{
    Q_OBJECT

public:
    CommandAction(const CommandSender &sender, const QString &text, QObject *parent);

    const CommandSender &sender() const { return m_sender; }
    const QString &toolbarIdentifier() const { return m_toolbarIdentifier; }
    void setToolbarIdentifier(const QString &identifier) { m_toolbarIdentifier = identifier; }

private:
    CommandSender m_sender;
    QString m_toolbarIdentifier;
};

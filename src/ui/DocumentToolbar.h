#pragma once

#include "commands/CommandId.h"

#include <QToolBar>

class CommandAction;
class QLineEdit;

// The toolbar of a document window ("TabwrightMainToolbar"): the row and column buttons, the
// font button and the search field, in that order. Each button is the toolbar item its command
// declares.
class DocumentToolbar : public QToolBar
{
    Q_OBJECT

public:
    explicit DocumentToolbar(QWidget *parent = nullptr);

    QLineEdit *searchField() const { return m_searchField; }

signals:
    void commandTriggered(CommandAction *item);

private:
    void addItem(CommandId id);

    QLineEdit *m_searchField = nullptr;
};

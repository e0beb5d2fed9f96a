#pragma once

#include "CSVTableHeaderViewDelegate.h"
#include "CommandResponder.h"
#include "CommandState.h"

#include "kit/ZRNDeferredCall.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class CSVDocument;
class CSVTableColumnHeaderView;
class CSVTableView;
class CommandAction;
class DocumentToolbar;
class DuplicateRowsBar;
class QLabel;
class QMessageBox;
class QLineEdit;
class ZRNLineNumberRulerWithMarker;

// The window of one document: toolbar, the table with its column header and row-number ruler,
// the duplicate-rows bar and the status line, and the menu bar. It is a thin view: it shows what
// the document holds, hands the user's edits to the document, and routes every menu and toolbar
// command by its action name, first to the document's commands (DocumentCommands), then to the
// application.
class DocumentWindow : public QMainWindow,
                       public CommandResponder,
                       private CSVTableHeaderViewDelegate
{
    Q_OBJECT

public:
    // Decides whether the window may close (asking to save, say); it calls closeWithoutAsking
    // when it may.
    using CloseHandler = std::function<void(DocumentWindow *)>;

    explicit DocumentWindow(CSVDocument &document, CommandResponder *application = nullptr,
                            QWidget *parent = nullptr);
    ~DocumentWindow() override;

    CSVDocument &document() const { return m_document; }
    CSVTableView *tableView() const { return m_tableView; }
    CSVTableColumnHeaderView *columnHeaderView() const;
    ZRNLineNumberRulerWithMarker *lineNumberView() const;
    QLineEdit *csvSearchField() const;
    QLabel *statusLabelField() const { return m_statusLabel; }
    DuplicateRowsBar *duplicateRowsDisplayModeView() const { return m_duplicateRowsBar; }
    DocumentToolbar *toolbar() const { return m_toolbar; }
    QMenu *columnContextMenu() const { return m_columnContextMenu; }

    // The name in the title: the file's name, or the untitled name the controller gave.
    const QString &displayName() const { return m_displayName; }
    void setDisplayName(const QString &name);

    const QFont &tableViewFont() const { return m_tableViewFont; }
    void setTableViewFont(const QFont &font);

    // The title edit panel while it is open; no command is offered then.
    QWidget *attachedWindow() const { return m_attachedWindow; }
    void setAttachedWindow(QWidget *panel);

    // Commands, by action name, through the chain: this window, then the application.
    CommandState commandState() const;
    bool isCommandEnabled(const CommandSender &sender) const;
    void sendCommand(const CommandSender &sender);
    // Enables every menu and toolbar item as the state now says.
    void validateUserInterfaceItems();
    // The menu item sending the action (with that tag), for the menus' owners and the tests.
    CommandAction *menuAction(const QString &action, qint64 tag = 0) const;

    // Refreshes the status line, the search field and the title after a change.
    void updateUI();

    void setCloseHandler(CloseHandler handler) { m_closeHandler = std::move(handler); }
    void closeWithoutAsking();

    bool respondsToCommand(const QString &action) const override;
    bool validateCommand(const CommandSender &sender) const override;
    void performCommand(const CommandSender &sender) override;

signals:
    // The window became the active one: its document is now the current document.
    void becameMain(DocumentWindow *window);
    // Files were dropped onto the window: the user wants them opened.
    void filesDropped(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void showContextMenuForTableHeaderView(CSVTableColumnHeaderView *headerView, int columnIndex,
                                           QMouseEvent *event) override;
    void setUpTable();
    void setUpMenusAndToolbar();
    void connectDocument();
    void updateTitle();
    void updateUndoTitles();
    bool isToolbarItemEnabled(const CommandAction *item) const;
    void askPendingQuestions();
    void askColumnMismatchQuestion();
    void showReadFailure();

    CSVDocument &m_document;
    CommandResponder *m_application;
    CSVTableView *m_tableView = nullptr;
    DocumentToolbar *m_toolbar = nullptr;
    DuplicateRowsBar *m_duplicateRowsBar = nullptr;
    QLabel *m_statusLabel = nullptr;
    QMenu *m_columnContextMenu = nullptr;
    QFont m_tableViewFont;
    QString m_displayName;
    QPointer<QWidget> m_attachedWindow;
    QPointer<QMessageBox> m_question;
    CloseHandler m_closeHandler;
    bool m_closeApproved = false;
    ZRNDeferredCall m_uiUpdate;
    bool m_wasShown = false;
};

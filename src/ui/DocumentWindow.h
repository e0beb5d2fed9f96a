#pragma once

#include "CSVTableHeaderViewDelegate.h"
#include "commands/CommandSender.h"
#include "commands/CommandState.h"

#include "kit/ZRNDeferredCall.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class ApplicationCommands;
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
// the document holds, hands the user's edits to the document, and performs the menu and toolbar
// commands (CommandRegistry) on itself or, for those of no one document, on the application.
class DocumentWindow : public QMainWindow, private CSVTableHeaderViewDelegate
{
    Q_OBJECT

public:
    // Decides whether the window may close (asking to save, say); it calls closeWithoutAsking
    // when it may.
    using CloseHandler = std::function<void(DocumentWindow *)>;

    explicit DocumentWindow(CSVDocument &document, ApplicationCommands *application = nullptr,
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
    QMenu *rowContextMenu() const { return m_rowContextMenu; }

    // The name in the title: the file's name, or the untitled name the controller gave.
    const QString &displayName() const { return m_displayName; }
    void setDisplayName(const QString &name);

    const QFont &tableViewFont() const { return m_tableViewFont; }
    void setTableViewFont(const QFont &font);

    // The title edit panel while it is open; no command is offered then.
    QWidget *attachedWindow() const { return m_attachedWindow; }
    void setAttachedWindow(QWidget *panel);

    ApplicationCommands *application() const { return m_application; }

    // Commands, as the registry declares them.
    CommandState commandState() const;
    bool isCommandEnabled(const CommandSender &sender) const;
    // Performs the command if it is offered now, after committing the cell being edited.
    void sendCommand(const CommandSender &sender);
    // Text being typed into a cell goes to the document: before a command, a save, a close.
    void commitEditing();
    // Enables every menu and toolbar item as the state now says.
    void validateUserInterfaceItems();
    // The menu item sending the command (with that argument), for the tests.
    CommandAction *menuAction(CommandId id, const QVariant &argument = {}) const;

    // Refreshes the status line, the search field and the title after a change.
    void updateUI();

    void setCloseHandler(CloseHandler handler) { m_closeHandler = std::move(handler); }
    void closeWithoutAsking();

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
    void showRowContextMenu(const QPoint &position);
    void setUpMenusAndToolbar();
    void connectDocument();
    void updateTitle();
    void updateUndoTitles();
    bool isCommandEnabled(CommandId id, const CommandState &state) const;
    bool isTableFirstResponder() const;
    void askPendingQuestions();
    void askColumnMismatchQuestion();
    void showReadFailure();
    void showFindMarks();

    CSVDocument &m_document;
    ApplicationCommands *m_application;
    CSVTableView *m_tableView = nullptr;
    DocumentToolbar *m_toolbar = nullptr;
    DuplicateRowsBar *m_duplicateRowsBar = nullptr;
    QLabel *m_statusLabel = nullptr;
    QMenu *m_columnContextMenu = nullptr;
    QMenu *m_rowContextMenu = nullptr;
    QFont m_tableViewFont;
    QString m_displayName;
    QPointer<QWidget> m_attachedWindow;
    QPointer<QWidget> m_focusBeforeMenuBar;
    QPointer<QMessageBox> m_question;
    CloseHandler m_closeHandler;
    bool m_closeApproved = false;
    ZRNDeferredCall m_uiUpdate;
    bool m_wasShown = false;
};

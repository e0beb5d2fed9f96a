#include "DocumentWindow.h"

#include "CSVTableColumnHeaderView.h"
#include "CSVTableView.h"
#include "ColumnContextMenu.h"
#include "DocumentToolbar.h"
#include "DuplicateRowsBar.h"
#include "GeneralPreferencePanel.h"
#include "MainMenu.h"
#include "RowContextMenu.h"
#include "SearchFilterField.h"
#include "StatusLine.h"
#include "SystemPasteboard.h"
#include "commands/CommandAction.h"
#include "commands/CommandRegistry.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVClipboard.h"
#include "document/commands/CSVDuplicateRows.h"
#include "document/search/CSVFindReplace.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"
#include "kit/ZRNLineNumberRulerWithMarker.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

namespace {

// The questions about a file wait until the window is on screen.
constexpr int s_questionDelayMilliseconds = 100;

QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

// The ragged-rows question's keys: title, explanation, the answer that pads the short rows
// (the first) and the one that makes the document read-only.
std::array<const char *, 4> columnMismatchQuestion(CSVDocument::ColumnMismatchCause cause)
{
    switch (cause) {
    case CSVDocument::ColumnMismatchCause::EmptyFile:
        return {"LSAEmptyFileTitle", "LSAEmptyFileMsg", "LSAEmptyFileEdit", "LSAOpenReadOnly"};
    case CSVDocument::ColumnMismatchCause::InsertedRows:
        return {"LSAInsertDataErrorTitle", "LSAInsertDataErrorMsg", "LSAOpenFixIt",
                "LSAMakeReadOnly"};
    case CSVDocument::ColumnMismatchCause::RaggedFile:
        break;
    }
    return {"LSADataErrorTitle", "LSADataErrorMsg", "LSAOpenFixIt", "LSAOpenReadOnly"};
}

} // namespace

DocumentWindow::DocumentWindow(CSVDocument &document, ApplicationCommands *application,
                               QWidget *parent)
    : QMainWindow(parent)
    , m_document(document)
    , m_application(application)
    , m_uiUpdate(this, [this] { updateUI(); })
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The columns come first, so the table is laid out once, with its columns.
    m_document.buildTableViewColumns();
    m_tableViewFont = GeneralPreferencePanel::defaultFont();
    setUpTable();
    setUpMenusAndToolbar();
    connectDocument();
    updateUI();
    resize(960, 640);
    setAcceptDrops(true);
}

// The widgets below go after this destructor, and their going moves the focus: nothing may
// reach this window any more.
DocumentWindow::~DocumentWindow()
{
    QObject::disconnect(qApp, nullptr, this, nullptr);
    m_document.disconnect(this);
    m_document.undoManager().disconnect(this);
}

void DocumentWindow::setUpTable()
{
    m_tableView = new CSVTableView(m_document, m_tableViewFont, this);
    m_tableView->columnHeaderView()->setDelegate(this);
    connect(m_tableView, &CSVTableView::columnHeaderDoubleClicked, this, [this](int column) {
        sendCommand({CommandId::ShowTitleEditWindowForTableColumn, column});
    });
    m_duplicateRowsBar = new DuplicateRowsBar(this);
    connect(m_duplicateRowsBar, &DuplicateRowsBar::endShowDuplicateRows, this,
            [this] { CSVDuplicateRows::endShowDuplicateRows(m_document); });
    m_columnContextMenu = new QMenu(this);
    m_rowContextMenu = new QMenu(this);
    m_tableView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tableView, &QWidget::customContextMenuRequested, this,
            &DocumentWindow::showRowContextMenu);

    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_duplicateRowsBar);
    layout->addWidget(m_tableView);
    setCentralWidget(content);

    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabelField"));
    statusBar()->addWidget(m_statusLabel, 1);
    statusBar()->setSizeGripEnabled(true);
}

void DocumentWindow::setUpMenusAndToolbar()
{
    const auto trigger = [this](CommandAction *action) { sendCommand(action->sender()); };
    m_toolbar = new DocumentToolbar(this);
    addToolBar(m_toolbar);
    connect(m_toolbar, &DocumentToolbar::commandTriggered, this, trigger);
    new SearchFilterField(m_toolbar->searchField(), m_document);
    MainMenu::build(menuBar(), trigger);
    const auto menus = menuBar()->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        connect(menu, &QMenu::aboutToShow, this, &DocumentWindow::validateUserInterfaceItems);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now == menuBar())
            m_focusBeforeMenuBar = old;
        m_uiUpdate.schedule();
    });
}

void DocumentWindow::connectDocument()
{
    connect(&m_document, &CSVDocument::uiUpdateRequested, this, [this] { m_uiUpdate.schedule(); });
    connect(&m_document, &CSVDocument::selectionChanged, this, [this] { m_uiUpdate.schedule(); });
    connect(&m_document, &CSVDocument::columnsChanged, this, [this] { m_uiUpdate.schedule(); });
    connect(&m_document.undoManager(), &UndoManager::changed, this,
            [this] { m_uiUpdate.schedule(); });
    connect(&m_document, &CSVDocument::findMarksChanged, this, &DocumentWindow::showFindMarks);
    connect(&m_document, &CSVDocument::findFailed, this, [] { QApplication::beep(); });
    connect(&m_document, &CSVDocument::filePathChanged, this,
            [this](const QString &path) { setDisplayName(QFileInfo(path).fileName()); });
    const auto askSoon = [this] {
        QTimer::singleShot(s_questionDelayMilliseconds, this, &DocumentWindow::askPendingQuestions);
    };
    connect(&m_document, &CSVDocument::columnMismatchQuestionRaised, this, askSoon);
    connect(&m_document, &CSVDocument::readFailureRaised, this, askSoon);
}

CSVTableColumnHeaderView *DocumentWindow::columnHeaderView() const
{
    return m_tableView->columnHeaderView();
}

ZRNLineNumberRulerWithMarker *DocumentWindow::lineNumberView() const
{
    return m_tableView->lineNumberView();
}

QLineEdit *DocumentWindow::csvSearchField() const
{
    return m_toolbar->searchField();
}

// The ruler counts rows from 1.
void DocumentWindow::showFindMarks()
{
    const CSVFindReplaceState &state = m_document.findReplaceState();
    IndexSet rowNumbers = state.markedRows;
    rowNumbers.shiftIndexes(0, 1);
    lineNumberView()->setMarkers(rowNumbers);
    columnHeaderView()->setIndexOfColumnToMark(state.indexOfColumnToMark);
}

void DocumentWindow::setDisplayName(const QString &name)
{
    m_displayName = name;
    updateTitle();
}

void DocumentWindow::setTableViewFont(const QFont &font)
{
    m_tableViewFont = font;
    m_tableView->setTableFont(font);
}

void DocumentWindow::setAttachedWindow(QWidget *panel)
{
    m_attachedWindow = panel;
    validateUserInterfaceItems();
}

void DocumentWindow::updateUI()
{
    m_uiUpdate.cancel();
    m_statusLabel->setText(StatusLine::text(m_document.numberOfSelectedRows(),
                                            m_document.numberOfRowsInTableView(),
                                            qint64(m_document.rowArrays().size())));
    const bool showsDuplicates = m_document.displayMode() == CSVDocument::DuplicateRowsMode;
    csvSearchField()->setEnabled(!showsDuplicates);
    m_duplicateRowsBar->setVisible(showsDuplicates);
    columnHeaderView()->setSectionsMovable(m_document.shouldReorderColumn(0, 0));
    updateTitle();
    validateUserInterfaceItems();
}

void DocumentWindow::updateTitle()
{
    QString title = m_displayName + QStringLiteral("[*]");
    if (!m_document.isEditable())
        title += localized("LSReadOnlyTitleSuffix");
    setWindowTitle(title);
    setWindowModified(m_document.hasUnsavedChanges());
}

CommandState DocumentWindow::commandState() const
{
    CommandState state;
    state.editable = m_document.isEditable();
    state.displayMode = m_document.displayMode();
    state.selectedRows = m_document.numberOfSelectedRows();
    state.selectedColumns = m_document.numberOfSelectedColumns();
    state.columns = m_document.tableColumns().count();
    state.titlePanelOpen = !m_attachedWindow.isNull();
    state.findHitRemembered = CSVFindReplace::hasRememberedHit(m_document);
    state.tableHasFocus = isTableFirstResponder();
    state.canUndo = m_document.undoManager().canUndo();
    state.canRedo = m_document.undoManager().canRedo();
    state.hasFile = !m_document.filePath().isEmpty();
    state.hasUnsavedChanges = m_document.hasUnsavedChanges();
    const SystemPasteboard &pasteboard = SystemPasteboard::general();
    state.canPaste = CSVClipboard::isRowsDataOnPasteboardAvailable(pasteboard) ||
                     CSVClipboard::isColumnsDataOnPasteboardAvailable(pasteboard);
    return state;
}

// The menu bar driven from the keyboard takes the focus only to give it back: the table it
// took it from stays what the menus act on.
bool DocumentWindow::isTableFirstResponder() const
{
    return m_tableView->hasFocus() ||
           (menuBar()->hasFocus() && m_focusBeforeMenuBar == m_tableView);
}

// Application commands need an application; a window made without one offers none.
bool DocumentWindow::isCommandEnabled(CommandId id, const CommandState &state) const
{
    return (m_application || !CommandRegistry::command(id).isApplicationCommand()) &&
           CommandRegistry::isEnabled(id, state);
}

bool DocumentWindow::isCommandEnabled(const CommandSender &sender) const
{
    return isCommandEnabled(sender.id, commandState());
}

// A shortcut may fire before the items were validated for the latest change: every command is
// validated again before it runs.
void DocumentWindow::sendCommand(const CommandSender &sender)
{
    commitEditing();
    if (!isCommandEnabled(sender))
        return;
    const Command::Action &action = CommandRegistry::command(sender.id).action;
    if (const auto *onWindow = std::get_if<Command::WindowAction>(&action))
        (*onWindow)(*this, sender);
    else if (const auto *onApplication = std::get_if<Command::ApplicationAction>(&action))
        (*onApplication)(*m_application, sender);
}

void DocumentWindow::commitEditing()
{
    m_tableView->commitOpenEditor();
}

void DocumentWindow::validateUserInterfaceItems()
{
    const CommandState state = commandState();
    const auto actions = findChildren<CommandAction *>();
    const qint64 readWith = qint64(m_document.importPreset().stringEncoding());
    for (CommandAction *action : actions) {
        action->setEnabled(isCommandEnabled(action->sender().id, state));
        // Reopen With Encoding marks the encoding the document was read with.
        if (action->sender().id == CommandId::ReopenWithEncoding) {
            action->setCheckable(true);
            action->setChecked(action->sender().argument.toLongLong() == readWith);
        }
    }
    updateUndoTitles();
}

void DocumentWindow::updateUndoTitles()
{
    const UndoManager &undo = m_document.undoManager();
    const auto title = [](const char *plain, const char *named, const QString &step) {
        return step.isEmpty() ? localized(plain) : localized(named).arg(localized(step));
    };
    if (CommandAction *action = menuAction(CommandId::Undo))
        action->setText(title("LSMenuUndo", "LSMenuUndoStep", undo.undoActionName()));
    if (CommandAction *action = menuAction(CommandId::Redo))
        action->setText(title("LSMenuRedo", "LSMenuRedoStep", undo.redoActionName()));
}

CommandAction *DocumentWindow::menuAction(CommandId id, const QVariant &argument) const
{
    const auto actions = menuBar()->findChildren<CommandAction *>(commandName(id));
    for (CommandAction *candidate : actions) {
        if (candidate->sender().argument == argument)
            return candidate;
    }
    return nullptr;
}

void DocumentWindow::showContextMenuForTableHeaderView(CSVTableColumnHeaderView *headerView,
                                                       int columnIndex, QMouseEvent *event)
{
    if (m_attachedWindow)
        return;
    m_document.selectRowIndexes({}, false);
    m_document.selectColumnIndexes({columnIndex}, false);
    ColumnContextMenu::fill(m_columnContextMenu, columnIndex,
                            [this](CommandAction *action) { sendCommand(action->sender()); });
    validateUserInterfaceItems();
    m_columnContextMenu->popup(headerView->mapToGlobal(event->position().toPoint()));
}

// A click on a row outside the selection makes it the selected row, as a click would.
void DocumentWindow::showRowContextMenu(const QPoint &position)
{
    if (m_attachedWindow)
        return;
    const int row = m_tableView->rowAt(position.y());
    if (row >= 0 && !m_document.selectedRowIndexes().contains(row)) {
        m_document.selectColumnIndexes({}, false);
        m_document.selectRowIndexes({row}, false);
    }
    RowContextMenu::fill(m_rowContextMenu,
                         [this](CommandAction *action) { sendCommand(action->sender()); });
    validateUserInterfaceItems();
    m_rowContextMenu->popup(m_tableView->viewport()->mapToGlobal(position));
}

void DocumentWindow::closeWithoutAsking()
{
    m_closeApproved = true;
    close();
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    commitEditing();
    if (m_closeHandler && !m_closeApproved) {
        event->ignore();
        m_closeHandler(this);
        return;
    }
    QMainWindow::closeEvent(event);
}

void DocumentWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_wasShown)
        return;
    m_wasShown = true;
    QTimer::singleShot(s_questionDelayMilliseconds, this, &DocumentWindow::askPendingQuestions);
}

void DocumentWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit becameMain(this);
}

void DocumentWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DocumentWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}

void DocumentWindow::askPendingQuestions()
{
    if (m_question)
        return;
    if (m_document.readFailure())
        showReadFailure();
    else if (m_document.isColumnMismatchQuestionPending())
        askColumnMismatchQuestion();
}

void DocumentWindow::askColumnMismatchQuestion()
{
    const auto [title, message, fix, readOnly] =
        columnMismatchQuestion(m_document.columnMismatchCause());
    ZRNAlert::Options options;
    options.messageText = localized(title);
    options.informativeText = localized(message);
    options.buttons = {localized(fix), localized(readOnly)};
    m_question = ZRNAlert::beginSheet(this, options, [this](const ZRNAlert::Result &result) {
        if (result.button == 0)
            m_document.fixColumnMismatch();
        else
            m_document.openReadOnlyForColumnMismatch();
        updateUI();
    });
}

void DocumentWindow::showReadFailure()
{
    m_question =
        ZRNAlert::inform(this, localized("LSReadFailedTitle"),
                         m_document.readFailure()->localizedDescription(m_document.filePath()), {});
}

#include "DocumentController.h"

#include "AutosaveTimer.h"

#include "document/CSVDocument.h"
#include "document/CSVOpenAssistantPreview.h"
#include "document/CSVRecentPresets.h"
#include "document/commands/CSVClipboard.h"
#include "feedback/RecoveryFile.h"
#include "feedback/RecoverySession.h"
#include "feedback/StateFolder.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNAlert.h"
#include "ui/DocumentReadRun.h"
#include "ui/DocumentSaving.h"
#include "ui/DocumentWindow.h"
#include "ui/OpenAssistant.h"
#include "ui/ProgressSheetRun.h"
#include "ui/SystemPasteboard.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

constexpr int s_recentDocumentsLimit = 10;

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

DocumentController::DocumentController(ApplicationCommands *application, QObject *parent)
    : QObject(parent)
    , m_application(application)
    , m_autosaveTimer(std::make_unique<AutosaveTimer>([this] {
        // Nor a document under a progress sheet: its save or read is under way.
        std::vector<DocumentWindow *> windows;
        for (const Entry &entry : m_documents) {
            if (!m_recoveredUnsaved.contains(entry.document.get()) &&
                !ProgressSheetRun::isRunningOn(entry.window))
                windows.push_back(entry.window);
        }
        return windows;
    }))
    , m_recoverySession(std::make_unique<RecoverySession>(StateFolder::recoveryPath()))
{}

DocumentController::~DocumentController()
{
    for (const QPointer<DocumentWindow> &window : m_closedWindows)
        delete window.data();
    for (Entry &entry : m_documents)
        delete entry.window;
}

DocumentWindow *DocumentController::newDocument()
{
    return addDocument(std::make_unique<CSVDocument>(), nextUntitledName());
}

QString DocumentController::nextUntitledName()
{
    ++m_untitledCount;
    return m_untitledCount == 1 ? localized("LSUntitledDocument")
                                : localized("LSUntitledDocumentNumbered").arg(m_untitledCount);
}

DocumentWindow *DocumentController::windowForFile(const QString &path) const
{
    for (const Entry &entry : m_documents) {
        if (!entry.document->filePath().isEmpty() &&
            QFileInfo(entry.document->filePath()).absoluteFilePath() == path)
            return entry.window;
    }
    return nullptr;
}

DocumentWindow *
DocumentController::openDocumentWithContentsOfURL(const QString &path,
                                                  const CSVImportExportPreset &preset, Error *error)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    std::unique_ptr<CSVDocument> document = CSVDocument::withContentsOfURL(absolute, preset, error);
    if (!document)
        return nullptr;
    noteNewRecentDocument(absolute);
    CSVRecentPresets::remember(absolute, preset);
    return addDocument(std::move(document), QFileInfo(absolute).fileName());
}

// A large file is read on a worker under a progress sheet; a cancelled read opens nothing.
void DocumentController::openReadDocument(const QString &path, const CSVImportExportPreset &preset,
                                          const std::function<void(const Error &)> &failed)
{
    m_isReading = true;
    DocumentReadRun::start(
        path, preset, nullptr,
        [this, path, preset, failed](std::optional<CSVDocumentReader::Result> result,
                                     const Error &error) {
            m_isReading = false;
            if (!result) {
                failed(error);
                return;
            }
            if (!result->cancelled) {
                noteNewRecentDocument(path);
                CSVRecentPresets::remember(path, preset);
                addDocument(CSVDocument::withReadResult(path, preset, std::move(*result)),
                            QFileInfo(path).fileName());
            }
            openNextDocument();
        });
}

void DocumentController::openDocuments(const QStringList &paths)
{
    m_filesToOpen.append(paths);
    if (!m_openStep && !m_isReading)
        openNextDocument();
}

// The next file waiting goes through the assistant; the one after it waits until the user has
// answered, and so does every alert.
void DocumentController::openNextDocument()
{
    if (m_filesToOpen.isEmpty()) {
        if (m_documents.empty())
            emit openingLeftNothingOpen();
        return;
    }
    const QString path = QFileInfo(m_filesToOpen.takeFirst()).absoluteFilePath();
    if (DocumentWindow *open = windowForFile(path)) {
        open->raise();
        open->activateWindow();
        openNextDocument();
        return;
    }
    const auto failed = [this](const Error &error) {
        m_openStep = ZRNAlert::inform(currentWindow(), localized("LSOpenFailedTitle"),
                                      error.localizedDescription(), [this] {
                                          m_openStep = nullptr;
                                          openNextDocument();
                                      });
    };
    Error error;
    auto preview =
        CSVOpenAssistantPreview::forFile(path, CSVOpenAssistantPreview::defaultChoices(), &error);
    if (!preview) {
        failed(error);
        return;
    }
    m_openStep =
        OpenAssistant::begin(std::move(preview), OpenAssistant::Purpose::Open, currentWindow(),
                             [this, failed](const CSVOpenAssistantPreview &chosen, bool confirmed) {
                                 m_openStep = nullptr;
                                 if (!confirmed) {
                                     openNextDocument();
                                     return;
                                 }
                                 CSVOpenAssistantPreview::storeDefaultChoices(chosen.choices());
                                 openReadDocument(chosen.path(), chosen.preset(), failed);
                             });
}

void DocumentController::runOpenPanel()
{
    QFileDialog *dialog = runFilePanel("LSOpenPanelTitle",
                                       [this](const QStringList &paths) { openDocuments(paths); });
    connect(dialog, &QFileDialog::rejected, this, [this] {
        if (m_documents.empty())
            emit openingLeftNothingOpen();
    });
}

QFileDialog *DocumentController::runFilePanel(const char *titleKey,
                                              std::function<void(const QStringList &)> chosen)
{
    auto *dialog = new QFileDialog(currentWindow(), localized(titleKey));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilters({localized("LSOpenPanelTables"), localized("LSOpenPanelAllFiles")});
    // Open and Insert start where the current document lives.
    if (const CSVDocument *document = currentDocument();
        document && !document->filePath().isEmpty())
        dialog->setDirectory(QFileInfo(document->filePath()).absolutePath());
    // Once the panel has gone: what follows may show a window-modal assistant on the window.
    connect(dialog, &QFileDialog::filesSelected, this, std::move(chosen), Qt::QueuedConnection);
    dialog->open();
    return dialog;
}

void DocumentController::insertDocument()
{
    QPointer<DocumentWindow> window = currentWindow();
    if (!window || !window->document().isEditable())
        return;
    runFilePanel("LSInsertPanelTitle", [window](const QStringList &paths) {
        if (!window || paths.isEmpty())
            return;
        const auto failed = [window](const Error &error) {
            ZRNAlert::inform(window, localized("LSOpenFailedTitle"), error.localizedDescription(),
                             {});
        };
        Error error;
        auto preview = CSVOpenAssistantPreview::forFile(
            paths.last(), CSVOpenAssistantPreview::defaultChoices(), &error);
        if (!preview) {
            failed(error);
            return;
        }
        OpenAssistant::begin(
            std::move(preview), OpenAssistant::Purpose::Insert, window,
            [window, failed](const CSVOpenAssistantPreview &chosen, bool confirmed) {
                if (confirmed && window)
                    insertReadDocument(window, chosen.path(), chosen.preset(), failed);
            });
    });
}

// The document is left alone until the file has been read in full; a cancelled read leaves it
// so.
void DocumentController::insertReadDocument(QPointer<DocumentWindow> window, const QString &path,
                                            const CSVImportExportPreset &preset,
                                            const std::function<void(const Error &)> &failed)
{
    DocumentReadRun::start(
        path, preset, window,
        [window, path, preset, failed](std::optional<CSVDocumentReader::Result> result,
                                       const Error &error) {
            if (!window)
                return;
            if (!result) {
                failed(error);
                return;
            }
            Error insertError;
            if (!result->cancelled &&
                !window->document().insertReadRows(path, preset, std::move(*result), &insertError))
                failed(insertError);
        });
}

DocumentWindow *DocumentController::newDocumentFromSelection()
{
    CSVDocument *source = currentDocument();
    if (!source || source->numberOfSelectedRows() < 1)
        return nullptr;
    CSVRowList copies;
    for (const CSVRowPtr &row : source->selectedRows())
        copies.push_back(std::make_shared<CSVRow>(*row));
    return addDocument(CSVDocument::withRows(std::move(copies), source->importPreset()),
                       nextUntitledName());
}

DocumentWindow *DocumentController::openRecoveredDocument(const RecoveryFile &file,
                                                          const QString &copyPath)
{
    std::unique_ptr<CSVDocument> document = file.makeDocument();
    CSVDocument *recovered = document.get();
    m_recoveredUnsaved.insert(recovered);
    connect(&recovered->undoManager(), &UndoManager::changed, this, [this, recovered] {
        if (!recovered->hasUnsavedChanges())
            m_recoveredUnsaved.erase(recovered);
    });
    DocumentWindow *window = addDocument(std::move(document), file.title(), copyPath);
    file.applyColumns(*recovered);
    return window;
}

DocumentWindow *DocumentController::newDocumentFromPasteboard()
{
    auto document = std::make_unique<CSVDocument>();
    CSVClipboard::setRowsFromPasteboard(*document, SystemPasteboard::general());
    return addDocument(std::move(document), nextUntitledName());
}

DocumentWindow *DocumentController::addDocument(std::unique_ptr<CSVDocument> document,
                                                const QString &name, const QString &recoveryCopy)
{
    auto *window = new DocumentWindow(*document, m_application);
    window->setDisplayName(name);
    m_recoverySession->watch(
        document.get(), [window] { return window->displayName(); }, recoveryCopy);
    window->setCloseHandler([this](DocumentWindow *closing) { closeWindow(closing); });
    connect(window, &DocumentWindow::filesDropped, this, &DocumentController::openDocuments);
    connect(document.get(), &CSVDocument::filePathChanged, this, &noteNewRecentDocument);
    connect(window, &DocumentWindow::becameMain, this, [this](DocumentWindow *main) {
        m_currentWindow = main;
        emit currentWindowChanged(main);
    });
    m_documents.push_back({std::move(document), window});
    m_currentWindow = window;
    window->show();
    window->raise();
    window->activateWindow();
    emit currentWindowChanged(window);
    return window;
}

CSVDocument *DocumentController::currentDocument() const
{
    DocumentWindow *window = currentWindow();
    return window ? &window->document() : nullptr;
}

// The active window's document; while another window is active (the preferences, a font
// panel), the document window that was active last.
DocumentWindow *DocumentController::currentWindow() const
{
    if (auto *active = qobject_cast<DocumentWindow *>(QApplication::activeWindow()))
        return active;
    return m_currentWindow;
}

std::vector<DocumentWindow *> DocumentController::windows() const
{
    std::vector<DocumentWindow *> windows;
    for (const Entry &entry : m_documents)
        windows.push_back(entry.window);
    return windows;
}

void DocumentController::closeWindow(DocumentWindow *window, std::function<void(bool)> done)
{
    const auto finish = [done](bool closed) {
        if (done)
            done(closed);
    };
    // Its work may be reading the document; the user can cancel it on the sheet.
    if (ProgressSheetRun::isRunningOn(window)) {
        QApplication::beep();
        finish(false);
        return;
    }
    window->commitEditing();
    if (window->document().hasUnsavedChanges()) {
        askToSave(window, finish);
        return;
    }
    discardWindow(window);
    finish(true);
}

void DocumentController::closeAllDocuments(std::function<void(bool)> done)
{
    if (m_documents.empty()) {
        done(true);
        return;
    }
    closeWindow(m_documents.front().window, [this, done](bool closed) {
        if (closed)
            closeAllDocuments(done);
        else
            done(false);
    });
}

void DocumentController::askToSave(DocumentWindow *window, std::function<void(bool)> done)
{
    ZRNAlert::Options options;
    options.messageText = localized("LSACloseUnsavedTitle").arg(window->displayName());
    options.informativeText = localized("LSACloseUnsavedMsg");
    options.buttons = {localized("LSACloseSave"), localized("LSACloseCancel"),
                       localized("LSACloseDontSave")};
    options.escapeButton = 1;
    QPointer<DocumentWindow> guarded(window);
    ZRNAlert::beginSheet(window, options, [this, guarded, done](const ZRNAlert::Result &result) {
        if (!guarded || result.button == 1) {
            done(false);
        } else if (result.button == 2) {
            discardWindow(guarded);
            done(true);
        } else {
            DocumentSaving::saveDocument(*guarded, [this, guarded, done](bool saved) {
                if (saved && guarded)
                    discardWindow(guarded);
                done(saved);
            });
        }
    });
}

// The window goes at once; its document once the window is gone, since the window shows it
// until then.
void DocumentController::discardWindow(DocumentWindow *window)
{
    const auto entry = std::find_if(m_documents.begin(), m_documents.end(),
                                    [window](const Entry &e) { return e.window == window; });
    Q_ASSERT(entry != m_documents.end());
    CSVDocument *document = entry->document.release();
    m_documents.erase(entry);
    m_recoverySession->forget(document);
    m_recoveredUnsaved.erase(document);
    connect(window, &QObject::destroyed, [document] { delete document; });
    window->closeWithoutAsking();
    window->deleteLater();
    m_closedWindows.push_back(window);
    if (m_currentWindow == window)
        m_currentWindow = m_documents.empty() ? nullptr : m_documents.back().window;
    emit currentWindowChanged(currentWindow());
}

QStringList DocumentController::recentDocuments()
{
    return UserDefaults::standard().object(key(DefaultsKeys::RecentDocuments)).toStringList();
}

void DocumentController::clearRecentDocuments()
{
    UserDefaults::standard().removeObject(key(DefaultsKeys::RecentDocuments));
    CSVRecentPresets::clear();
}

void DocumentController::noteNewRecentDocument(const QString &path)
{
    QStringList paths = recentDocuments();
    paths.removeAll(path);
    paths.prepend(path);
    UserDefaults::standard().setObject(key(DefaultsKeys::RecentDocuments),
                                       paths.mid(0, s_recentDocumentsLimit));
}

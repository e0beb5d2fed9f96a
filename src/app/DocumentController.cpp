#include "DocumentController.h"

#include "csv/ZRNCSVParser.h"
#include "document/CSVDocument.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotFound.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNAlert.h"
#include "ui/DocumentWindow.h"

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

DocumentController::DocumentController(CommandResponder *application, QObject *parent)
    : QObject(parent), m_application(application)
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

DocumentWindow *DocumentController::openDocumentWithContentsOfURL(const QString &path, Error *error)
{
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (const Entry &entry : m_documents) {
        if (QFileInfo(entry.document->filePath()).absoluteFilePath() == canonical) {
            entry.window->raise();
            entry.window->activateWindow();
            return entry.window;
        }
    }
    std::unique_ptr<CSVDocument> document =
        CSVDocument::withContentsOfURL(canonical, presetForOpening(canonical), error);
    if (!document)
        return nullptr;
    noteNewRecentDocument(canonical);
    return addDocument(std::move(document), QFileInfo(canonical).fileName());
}

void DocumentController::openDocuments(const QStringList &paths)
{
    for (const QString &path : paths) {
        Error error;
        if (!openDocumentWithContentsOfURL(path, &error))
            ZRNAlert::inform(currentWindow(), localized("LSOpenFailedTitle"),
                             error.localizedDescription(), {});
    }
}

void DocumentController::runOpenPanel()
{
    auto *dialog = new QFileDialog(currentWindow(), localized("LSOpenPanelTitle"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilters({localized("LSOpenPanelTables"), localized("LSOpenPanelAllFiles")});
    connect(dialog, &QFileDialog::filesSelected, this, &DocumentController::openDocuments);
    dialog->open();
}

CSVImportExportPreset DocumentController::presetForOpening(const QString &path)
{
    const UserDefaults &defaults = UserDefaults::standard();
    CSVImportExportPreset preset(defaults.integerForKey(key(DefaultsKeys::Separator)),
                                 defaults.unsignedIntegerForKey(key(DefaultsKeys::StringEncoding)),
                                 defaults.integerForKey(key(DefaultsKeys::LineEnding)),
                                 defaults.boolForKey(key(DefaultsKeys::FirstRowIsHeader)));
    preset.setTrimSpaces(defaults.boolForKey(key(DefaultsKeys::TrimSpaces)));
    preset.setForceQuotes(defaults.boolForKey(key(DefaultsKeys::ForceQuotes)));
    const qint64 separator = ZRNCSVParser::autodetectSeparatorForCSVFile(path);
    if (separator != NotFound)
        preset.setSeparatorType(separator);
    return preset;
}

DocumentWindow *DocumentController::addDocument(std::unique_ptr<CSVDocument> document,
                                                const QString &name)
{
    auto *window = new DocumentWindow(*document, m_application);
    window->setDisplayName(name);
    window->setCloseHandler([this](DocumentWindow *closing) { closeWindow(closing); });
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
    options.buttons = {localized("LSACloseCancel"), localized("LSACloseDontSave")};
    options.escapeButton = 0;
    const bool canSave = bool(m_saveHandler);
    if (canSave)
        options.buttons.prepend(localized("LSACloseSave"));
    QPointer<DocumentWindow> guarded(window);
    ZRNAlert::beginSheet(window, options, [this, guarded, canSave, done](const auto &result) {
        const int answer = canSave ? result.button : result.button + 1; // 0 save, 1 cancel
        if (!guarded || answer == 1) {
            done(false);
        } else if (answer == 2) {
            discardWindow(guarded);
            done(true);
        } else {
            m_saveHandler(guarded, [this, guarded, done](bool saved) {
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
}

void DocumentController::noteNewRecentDocument(const QString &path)
{
    QStringList paths = recentDocuments();
    paths.removeAll(path);
    paths.prepend(path);
    UserDefaults::standard().setObject(key(DefaultsKeys::RecentDocuments),
                                       paths.mid(0, s_recentDocumentsLimit));
}

#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <set>
#include <vector>

class AutosaveTimer;
class CSVDocument;
class CSVImportExportPreset;
class ApplicationCommands;
class QFileDialog;
class DocumentWindow;
class Error;
class RecoveryFile;
class RecoverySession;

// Owns every open document and its window. Every file the user opens goes through the open
// assistant first, one at a time; the controller also makes documents from a window's selected
// rows, inserts a file into the current document, closes documents (asking first about unsaved
// changes) and runs the autosave timer.
class DocumentController : public QObject
{
    Q_OBJECT

public:
    explicit DocumentController(ApplicationCommands *application, QObject *parent = nullptr);
    ~DocumentController() override;

    DocumentWindow *newDocument();
    // Opens each file through the open assistant, in turn. A file already open brings its window
    // to the front instead; one that cannot be read is shown as an alert.
    void openDocuments(const QStringList &paths);
    // Lets the user choose files to open.
    void runOpenPanel();
    // Opens the file with the preset, without asking, and remembers the preset for the next
    // time the file is opened; answers nothing and the error when the file cannot be opened.
    DocumentWindow *openDocumentWithContentsOfURL(const QString &path,
                                                  const CSVImportExportPreset &preset,
                                                  Error *error);

    // Lets the user choose a file and how to read it, then appends its rows to the current
    // document as one undoable step. No setting is stored.
    void insertDocument();
    // An untitled document holding copies of the current document's selected rows.
    DocumentWindow *newDocumentFromSelection();
    // A document as its recovery copy kept it: unsaved, tied to its file, which is only
    // written when the user saves (autosave leaves it alone until then).
    DocumentWindow *openRecoveredDocument(const RecoveryFile &file, const QString &copyPath);
    // An untitled document holding what the clipboard holds, with unsaved changes.
    DocumentWindow *newDocumentFromPasteboard();

    CSVDocument *currentDocument() const;
    DocumentWindow *currentWindow() const;
    std::vector<DocumentWindow *> windows() const;
    AutosaveTimer &autosaveTimer() const { return *m_autosaveTimer; }
    RecoverySession &recoverySession() const { return *m_recoverySession; }

    // Closes the window, asking first whether to save unsaved changes; then runs done with
    // whether it closed.
    void closeWindow(DocumentWindow *window, std::function<void(bool closed)> done = {});
    // Closes every window in turn; stops at the first the user keeps open.
    void closeAllDocuments(std::function<void(bool allClosed)> done);

    static QStringList recentDocuments();
    static void clearRecentDocuments();

signals:
    void currentWindowChanged(DocumentWindow *window);
    // Every file asked for was opened, cancelled or failed, or the open panel was cancelled,
    // and no document is open.
    void openingLeftNothingOpen();

private:
    struct Entry
    {
        std::unique_ptr<CSVDocument> document;
        DocumentWindow *window = nullptr;
    };

    DocumentWindow *addDocument(std::unique_ptr<CSVDocument> document, const QString &name,
                                const QString &recoveryCopy = {});
    DocumentWindow *windowForFile(const QString &path) const;
    void openNextDocument();
    void openReadDocument(const QString &path, const CSVImportExportPreset &preset,
                          const std::function<void(const Error &)> &failed);
    static void insertReadDocument(QPointer<DocumentWindow> window, const QString &path,
                                   const CSVImportExportPreset &preset,
                                   const std::function<void(const Error &)> &failed);
    QFileDialog *runFilePanel(const char *titleKey,
                              std::function<void(const QStringList &)> chosen);
    void askToSave(DocumentWindow *window, std::function<void(bool closed)> done);
    void discardWindow(DocumentWindow *window);
    QString nextUntitledName();
    static void noteNewRecentDocument(const QString &path);

    ApplicationCommands *m_application;
    std::vector<Entry> m_documents;
    std::vector<QPointer<DocumentWindow>> m_closedWindows;
    QPointer<DocumentWindow> m_currentWindow;
    // Files waiting for the open assistant, which shows one at a time, and the assistant or
    // alert of the file being opened. Closing its window takes it away, and the next file can
    // go on.
    QStringList m_filesToOpen;
    QPointer<QWidget> m_openStep;
    // A large file is being read on a worker.
    bool m_isReading = false;
    std::unique_ptr<AutosaveTimer> m_autosaveTimer;
    std::unique_ptr<RecoverySession> m_recoverySession;
    // Recovered documents not saved since: autosave must not write them over their files.
    std::set<const CSVDocument *> m_recoveredUnsaved;
    int m_untitledCount = 0;
};

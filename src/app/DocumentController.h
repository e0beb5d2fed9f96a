#pragma once

#include "document/CSVImportExportPreset.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CSVDocument;
class CommandResponder;
class DocumentWindow;
class Error;

// Owns every open document and its window: makes new and opened documents, knows the current
// one (the active window's), and closes them, asking first about unsaved changes.
class DocumentController : public QObject
{
    Q_OBJECT

public:
    // Saves the window's document, then tells whether it was saved. Saving plugs in here; until
    // it does, the close question offers no Save button.
    using SaveHandler = std::function<void(DocumentWindow *, std::function<void(bool saved)>)>;

    explicit DocumentController(CommandResponder *application, QObject *parent = nullptr);
    ~DocumentController() override;

    DocumentWindow *newDocument();
    // A file already open brings its window to the front instead.
    DocumentWindow *openDocumentWithContentsOfURL(const QString &path, Error *error);
    // Opens each file, showing what could not be opened.
    void openDocuments(const QStringList &paths);
    // Lets the user choose files to open, one window each.
    void runOpenPanel();

    // The preset a file is read with: the user's last choices and the separator the file seems
    // to use. The open assistant will ask the user instead.
    static CSVImportExportPreset presetForOpening(const QString &path);

    CSVDocument *currentDocument() const;
    DocumentWindow *currentWindow() const;
    std::vector<DocumentWindow *> windows() const;

    // Closes the window, asking first whether to save unsaved changes; then runs done with
    // whether it closed.
    void closeWindow(DocumentWindow *window, std::function<void(bool closed)> done = {});
    // Closes every window in turn; stops at the first the user keeps open.
    void closeAllDocuments(std::function<void(bool allClosed)> done);

    void setSaveHandler(SaveHandler handler) { m_saveHandler = std::move(handler); }

    static QStringList recentDocuments();
    static void clearRecentDocuments();

signals:
    void currentWindowChanged(DocumentWindow *window);

private:
    struct Entry
    {
        std::unique_ptr<CSVDocument> document;
        DocumentWindow *window = nullptr;
    };

    DocumentWindow *addDocument(std::unique_ptr<CSVDocument> document, const QString &name);
    void askToSave(DocumentWindow *window, std::function<void(bool closed)> done);
    void discardWindow(DocumentWindow *window);
    QString nextUntitledName();
    static void noteNewRecentDocument(const QString &path);

    CommandResponder *m_application;
    std::vector<Entry> m_documents;
    std::vector<QPointer<DocumentWindow>> m_closedWindows;
    QPointer<DocumentWindow> m_currentWindow;
    SaveHandler m_saveHandler;
    int m_untitledCount = 0;
};

#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class CSVDocument;

// Keeps a recovery copy (RecoveryFile) of every document with unsaved changes, untitled ones
// too, so that a crash or a kill loses at most the last few seconds of work. A copy is written
// on a worker within a short delay of the first change since the last copy, whatever the
// autosave setting says; a document that becomes clean (saved, or undone to its saved state)
// or is closed loses its copy. The copies never touch the user's files.
//
// Each running program has a folder of its own under the recovery folder, locked while it runs;
// a clean end removes it. A folder whose lock no running program holds was left by a crash: its
// copies are offered at the next launch.
class RecoverySession : public QObject
{
    Q_OBJECT

public:
    using Title = std::function<QString()>;
    explicit RecoverySession(const QString &root, QObject *parent = nullptr);
    // The clean end: waits for a copy being written, then removes the session's folder.
    ~RecoverySession() override;

    // Follows the document's changes from now on; a document recovered from a copy names it,
    // and the copy becomes this session's.
    void watch(CSVDocument *document, Title title, const QString &recoveredCopy = {});
    // The document was closed: its copy goes.
    void forget(CSVDocument *document);
    // The copy of the document, when one was written; for the tests.
    QString copyPath(const CSVDocument *document) const;
    // How long after a change its copy is written (20 s); the tests shorten it.
    static void setWriteDelay(int milliseconds);

    // Copies left by programs that did not end cleanly, oldest first. Their folders stay locked
    // by this session until they are adopted or discarded.
    QStringList abandonedCopies();
    // Moves an abandoned copy into this session; answers its new path.
    QString adopt(const QString &copy);
    // Removes the folders of the abandoned sessions, with any copy not adopted.
    void discardAbandoned();

private:
    struct Entry
    {
        CSVDocument *document = nullptr;
        Title title;
        QString path;
        std::unique_ptr<QTimer> timer;
        bool writing = false;
        bool changedWhileWriting = false;
    };

    void documentChanged(quint64 id);
    void writeCopy(quint64 id);
    void copyWritten(quint64 id, const QString &path);
    QString newCopyPath();

    QString m_root;
    QString m_folder;
    QLockFile m_lock;
    quint64 m_nextId = 1;
    std::map<quint64, Entry> m_entries;
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> m_abandoned;
    QThreadPool m_writer;
};

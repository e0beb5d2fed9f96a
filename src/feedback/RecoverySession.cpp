#include "RecoverySession.h"

#include "RecoveryFile.h"

#include "document/CSVDocument.h"
#include "foundation/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

const QString s_copySuffix = QStringLiteral(".recovery");
const QString s_lockSuffix = QStringLiteral(".lock");
int s_writeDelayMs = 20'000;

QLockFile *lockedForever(QLockFile *lock)
{
    // A lock is stale only when its program is gone, never because it is old.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

RecoverySession::RecoverySession(const QString &root, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_folder(QDir(root).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces)))
    , m_lock(m_folder + s_lockSuffix)
{
    QDir().mkpath(m_folder);
    lockedForever(&m_lock)->tryLock(0);
    m_writer.setMaxThreadCount(1);
}

RecoverySession::~RecoverySession()
{
    m_writer.waitForDone();
    QDir(m_folder).removeRecursively();
    m_lock.unlock();
}

void RecoverySession::watch(CSVDocument *document, Title title, const QString &recoveredCopy)
{
    const quint64 id = m_nextId++;
    Entry &entry = m_entries[id];
    entry.document = document;
    entry.title = std::move(title);
    entry.path = recoveredCopy;
    entry.timer = std::make_unique<QTimer>();
    entry.timer->setSingleShot(true);
    connect(entry.timer.get(), &QTimer::timeout, this, [this, id] { writeCopy(id); });
    connect(&document->undoManager(), &UndoManager::changed, this,
            [this, id] { documentChanged(id); });
    documentChanged(id);
}

void RecoverySession::forget(CSVDocument *document)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->second.document != document)
            continue;
        document->undoManager().disconnect(this);
        // A copy being written is removed when the writer is done with it (copyWritten).
        if (!it->second.writing && !it->second.path.isEmpty())
            QFile::remove(it->second.path);
        m_entries.erase(it);
        return;
    }
}

void RecoverySession::setWriteDelay(int milliseconds)
{
    s_writeDelayMs = milliseconds;
}

QString RecoverySession::copyPath(const CSVDocument *document) const
{
    for (const auto &[id, entry] : m_entries) {
        if (entry.document == document && QFileInfo::exists(entry.path))
            return entry.path;
    }
    return {};
}

// The delay runs from the first change after a copy, not from the last one: typing without a
// pause still leaves a copy every few seconds.
void RecoverySession::documentChanged(quint64 id)
{
    Entry &entry = m_entries.at(id);
    if (entry.document->hasUnsavedChanges()) {
        if (!entry.timer->isActive())
            entry.timer->start(s_writeDelayMs);
        return;
    }
    entry.timer->stop();
    entry.changedWhileWriting = false;
    if (!entry.writing && !entry.path.isEmpty())
        QFile::remove(entry.path);
}

void RecoverySession::writeCopy(quint64 id)
{
    Entry &entry = m_entries.at(id);
    if (entry.writing) {
        entry.changedWhileWriting = true;
        return;
    }
    if (entry.path.isEmpty())
        entry.path = newCopyPath();
    entry.writing = true;
    auto copy =
        std::make_shared<RecoveryFile>(RecoveryFile::snapshot(*entry.document, entry.title()));
    const QString path = entry.path;
    m_writer.start([this, copy, path, id] {
        Error error;
        if (!copy->write(path, &error))
            qWarning("Warning: %s", qPrintable(error.localizedDescription()));
        QMetaObject::invokeMethod(
            this, [this, id, path] { copyWritten(id, path); }, Qt::QueuedConnection);
    });
}

// The writer has finished: the copy stays only while its document still has unsaved changes.
void RecoverySession::copyWritten(quint64 id, const QString &path)
{
    const auto it = m_entries.find(id);
    if (it == m_entries.end()) {
        QFile::remove(path);
        return;
    }
    Entry &entry = it->second;
    entry.writing = false;
    if (!entry.document->hasUnsavedChanges())
        QFile::remove(path);
    else if (std::exchange(entry.changedWhileWriting, false))
        entry.timer->start(s_writeDelayMs);
}

QString RecoverySession::newCopyPath()
{
    return QDir(m_folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) +
                                   s_copySuffix);
}

QStringList RecoverySession::abandonedCopies()
{
    QFileInfoList copies;
    const QFileInfoList folders =
        QDir(m_root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &folder : folders) {
        const QString path = folder.absoluteFilePath();
        if (path == QFileInfo(m_folder).absoluteFilePath())
            continue;
        auto lock = std::make_unique<QLockFile>(path + s_lockSuffix);
        if (!lockedForever(lock.get())->tryLock(0))
            continue; // a program that is still running
        copies += QDir(path).entryInfoList({QLatin1Char('*') + s_copySuffix}, QDir::Files);
        m_abandoned.emplace_back(path, std::move(lock));
    }
    std::sort(copies.begin(), copies.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() < b.lastModified();
    });
    QStringList paths;
    for (const QFileInfo &copy : copies)
        paths.append(copy.absoluteFilePath());
    return paths;
}

QString RecoverySession::adopt(const QString &copy)
{
    const QString path = newCopyPath();
    return QFile::rename(copy, path) ? path : copy;
}

void RecoverySession::discardAbandoned()
{
    for (auto &[folder, lock] : m_abandoned) {
        QDir(folder).removeRecursively();
        lock->unlock();
    }
    m_abandoned.clear();
}

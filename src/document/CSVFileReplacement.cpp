#include "CSVFileReplacement.h"

#include "foundation/LocalizedStrings.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <vector>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The target with its symbolic links followed; a dangling link or a new file stays as given.
QString resolvedTarget(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// The mode a new file gets from the process's umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// The temporary file. A write cut short (a full disk) tells nothing of why: writing the rest
// then fails with the system's reason, which the error shows.
class WritebackFile final : public QFile
{
protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        qint64 written = 0;
        while (written < length) {
            const qint64 step = QFile::writeData(data + written, length - written);
            if (step <= 0)
                break;
            written += step;
        }
        startWriteback(written);
        return written > 0 || length == 0 ? written : -1;
    }

private:
    // Asks the kernel to start writing every few megabytes, so that the disk works while the
    // rest of the text is made and the final sync waits only for the last few.
    void startWriteback(qint64 written)
    {
        m_unstarted += written;
        if (m_unstarted < s_writebackStep)
            return;
        ::sync_file_range(handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
        m_unstarted = 0;
    }

    static constexpr qint64 s_writebackStep = 8 << 20;
    qint64 m_unstarted = 0;
};

} // namespace

CSVFileReplacement::CSVFileReplacement(const QString &path)
    : m_path(path), m_target(resolvedTarget(path)), m_temporary(std::make_unique<WritebackFile>())
{}

CSVFileReplacement::~CSVFileReplacement()
{
    m_temporary->close();
    if (!m_temporaryPath.isEmpty() && !m_keepTemporary)
        ::unlink(QFile::encodeName(m_temporaryPath).constData());
}

bool CSVFileReplacement::fail(const QString &reason)
{
    m_errorString = reason;
    return false;
}

bool CSVFileReplacement::failWithErrno()
{
    return fail(systemReason(errno));
}

bool CSVFileReplacement::open()
{
    const QByteArray target = QFile::encodeName(m_target);
    m_targetExists = ::stat(target.constData(), &m_targetStatus) == 0;
    if (m_targetExists && !S_ISREG(m_targetStatus.st_mode))
        return fail(localized("LSASaveNotRegularFile"));
    const QString folder = QFileInfo(m_target).absolutePath();
    QByteArray pattern = QFile::encodeName(
        folder + QStringLiteral("/.") + QFileInfo(m_target).fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        const int error = errno;
        const bool isFolderFault = error == EACCES || error == EPERM || error == EROFS;
        return fail(isFolderFault ? localized("LSASaveFolderNotWritable")
                                        .arg(QFileInfo(folder).fileName(), systemReason(error))
                                  : systemReason(error));
    }
    m_temporaryPath = QFile::decodeName(pattern);
    if (!m_temporary->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(m_temporary->errorString());
    }
    return true;
}

bool CSVFileReplacement::commit()
{
    if (!m_temporary->flush())
        return fail(m_temporary->errorString());
    // What is written is on the disk before it replaces the file: a crash or a power cut
    // afterwards must not leave an empty file where the old one was.
    if (::fsync(m_temporary->handle()) != 0)
        return failWithErrno();
    const bool renames = !m_targetExists || (m_targetStatus.st_nlink <= 1 && takeIdentity());
    if (!m_targetExists && ::fchmod(m_temporary->handle(), newFileMode()) != 0)
        return failWithErrno();
    return renames ? renameOverTarget() : overwriteInPlace();
}

// The owner first: changing it clears the set-user-id and set-group-id bits, which the mode
// then sets again.
bool CSVFileReplacement::takeIdentity()
{
    const int fd = m_temporary->handle();
    const bool sameOwner =
        m_targetStatus.st_uid == ::geteuid() && m_targetStatus.st_gid == ::getegid();
    if (!sameOwner && ::fchown(fd, m_targetStatus.st_uid, m_targetStatus.st_gid) != 0)
        return false;
    return ::fchmod(fd, m_targetStatus.st_mode & 07777) == 0 && copyExtendedAttributes();
}

bool CSVFileReplacement::copyExtendedAttributes()
{
    const QByteArray target = QFile::encodeName(m_target);
    const ssize_t size = ::listxattr(target.constData(), nullptr, 0);
    if (size <= 0)
        return size == 0 || errno == ENOTSUP;
    std::vector<char> names(static_cast<size_t>(size));
    if (::listxattr(target.constData(), names.data(), names.size()) != size)
        return false;
    std::vector<char> value;
    for (const char *name = names.data(); name < names.data() + size;
         name += std::strlen(name) + 1) {
        const ssize_t length = ::getxattr(target.constData(), name, nullptr, 0);
        if (length < 0)
            return false;
        value.resize(size_t(length));
        if (::getxattr(target.constData(), name, value.data(), value.size()) != length ||
            ::fsetxattr(m_temporary->handle(), name, value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}

bool CSVFileReplacement::renameOverTarget()
{
    m_temporary->close();
    if (::rename(QFile::encodeName(m_temporaryPath).constData(),
                 QFile::encodeName(m_target).constData()) != 0)
        return failWithErrno();
    m_temporaryPath.clear();
    syncFolder(QFileInfo(m_target).absolutePath());
    return true;
}

// The new contents exist in full beside the target; only now is the target itself touched.
bool CSVFileReplacement::overwriteInPlace()
{
    m_temporary->close();
    QFile source(m_temporaryPath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(source.errorString());
    const int fd = ::open(QFile::encodeName(m_target).constData(), O_WRONLY);
    if (fd < 0)
        return failWithErrno();
    m_keepTemporary = true;
    bool written = true;
    while (written && !source.atEnd()) {
        const QByteArray block = source.read(1 << 20);
        written = !block.isEmpty() && writeAll(fd, block.constData(), block.size());
    }
    written = written && ::ftruncate(fd, source.size()) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!written)
        return fail(localized("LSASaveInPlaceFailed").arg(systemReason(error), m_temporaryPath));
    m_keepTemporary = false;
    return true;
}

#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

#include <memory>

// Replaces the contents of a file without harming it: the new contents go to a temporary file
// beside the target first, and reach the disk in full before the target changes. The target
// keeps its identity: its mode bits exactly, its owner and group, its extended attributes
// (ACLs are among them), and its hard links.
//
// Normally the temporary file takes that identity and is renamed over the target. When it
// cannot take it (the owner cannot be given away, an attribute cannot be copied) or the target
// has several hard links, which a rename would split, the target is overwritten in place, and
// the temporary file stays until that has succeeded, so that a failure part way loses nothing.
// A symbolic link is followed: the file it points to is replaced. Anything that is not a
// regular file (a pipe, a device) is refused.
class CSVFileReplacement
{
public:
    explicit CSVFileReplacement(const QString &path);
    ~CSVFileReplacement();
    CSVFileReplacement(const CSVFileReplacement &) = delete;
    CSVFileReplacement &operator=(const CSVFileReplacement &) = delete;

    // Makes the temporary file; false, with the reason in errorString(), when the target may
    // not be replaced or the folder cannot be written.
    bool open();
    // Where the new contents are written, between open() and commit().
    QFile &device() { return *m_temporary; }
    // Replaces the target by what was written; false, with the reason, leaving the target as
    // it was (or, when an in-place write failed part way, the contents in the temporary file).
    bool commit();

    const QString &errorString() const { return m_errorString; }

private:
    bool fail(const QString &reason);
    bool failWithErrno();
    bool takeIdentity();
    bool copyExtendedAttributes();
    bool renameOverTarget();
    bool overwriteInPlace();

    QString m_path;   // as given, for messages
    QString m_target; // the file replaced, symbolic links followed
    std::unique_ptr<QFile> m_temporary;
    QString m_temporaryPath;
    bool m_targetExists = false;
    struct stat m_targetStatus = {};
    bool m_keepTemporary = false;
    QString m_errorString;
};

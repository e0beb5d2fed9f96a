#pragma once

#include <QString>
#include <QStringList>

// The program's log: every message of the program (qDebug, qWarning, …) goes, one line each
// with the time and "<name>[<process id>]", into a file beside the crash reports, as well as to
// the standard error as before. The crash reporter sends its lines with a report.
//
// The file stays small: when it passes the limit it becomes "<file>.1", replacing the older one,
// and a new file begins.
class LogFile
{
public:
    static constexpr qint64 s_limit = 512 * 1024;

    static void install(const QString &path, const QString &applicationName);

    // The lines of the log (the older file first), from the first line that names the
    // application to the end; empty when there is no log.
    static QStringList lines(const QString &path, const QString &applicationName);
};

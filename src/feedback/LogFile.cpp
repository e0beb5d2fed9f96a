#include "LogFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <algorithm>

namespace {

struct LogState
{
    QMutex mutex;
    QFile file;
    QByteArray prefix; // " <name>[<pid>]: "
    QtMessageHandler previous = nullptr;
};

LogState &state()
{
    static LogState s_state;
    return s_state;
}

QString olderPath(const QString &path)
{
    return path + QStringLiteral(".1");
}

void rotateIfFull(QFile &file)
{
    if (file.size() < LogFile::s_limit)
        return;
    const QString path = file.fileName();
    file.close();
    QFile::remove(olderPath(path));
    QFile::rename(path, olderPath(path));
    file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void writeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    LogState &log = state();
    {
        const QMutexLocker locker(&log.mutex);
        if (log.file.isOpen()) {
            rotateIfFull(log.file);
            const QByteArray time =
                QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
            // Each line reaches the file at once: a crash may follow.
            log.file.write(time + log.prefix + message.toUtf8() + '\n');
            log.file.flush();
        }
    }
    if (log.previous)
        log.previous(type, context, message);
}

} // namespace

void LogFile::install(const QString &path, const QString &applicationName)
{
    LogState &log = state();
    {
        const QMutexLocker locker(&log.mutex);
        QDir().mkpath(QFileInfo(path).path());
        log.file.setFileName(path);
        if (!log.file.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        rotateIfFull(log.file);
        log.prefix = QStringLiteral(" %1[%2]: ")
                         .arg(applicationName)
                         .arg(QCoreApplication::applicationPid())
                         .toUtf8();
    }
    log.previous = qInstallMessageHandler(writeMessage);
}

QStringList LogFile::lines(const QString &path, const QString &applicationName)
{
    QByteArray text;
    for (const QString &file : {olderPath(path), path}) {
        QFile log(file);
        if (log.open(QIODevice::ReadOnly))
            text += log.readAll();
    }
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString name = applicationName + QLatin1Char('[');
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [&name](const QString &line) { return line.contains(name); });
    return QStringList(first, lines.end());
}

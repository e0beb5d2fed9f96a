#include "ZRNCrashReporter.h"

#include "LogFile.h"
#include "MultipartForm.h"
#include "StateFolder.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString lastCheckKey()
{
    return QString::fromLatin1(DefaultsKeys::LastCrashReportDate);
}

double secondsSince1970(const QDateTime &time)
{
    return double(time.toMSecsSinceEpoch()) / 1000.0;
}

} // namespace

ZRNCrashReporter::ZRNCrashReporter(QString folder, QString logPath,
                                   ApplicationDescription description)
    : m_folder(std::move(folder))
    , m_logPath(std::move(logPath))
    , m_description(std::move(description))
{}

ZRNCrashReporter ZRNCrashReporter::standard()
{
    return ZRNCrashReporter(StateFolder::path(), StateFolder::logFilePath());
}

// The date is stored as a double: a float of seconds since 1970 is only exact to two minutes
// now, so a report written soon after a check could pass for an old one. A float stored by an
// older version still reads as a number.
QString ZRNCrashReporter::reportToOffer(const QDateTime &now) const
{
    const QString path = pathAndNameOfCrashReportFile();
    if (path.isEmpty())
        return {};
    UserDefaults &defaults = UserDefaults::standard();
    const double lastCheck = defaults.doubleForKey(lastCheckKey());
    if (lastCheck >= secondsSince1970(QFileInfo(path).lastModified()))
        return {};
    defaults.setObject(lastCheckKey(), secondsSince1970(now));
    defaults.synchronize();
    return path;
}

QString ZRNCrashReporter::pathAndNameOfCrashReportFile() const
{
    const QFileInfoList reports = QDir(m_folder).entryInfoList(
        {applicationName() + QStringLiteral("_*.crash")}, QDir::Files, QDir::Time);
    return reports.isEmpty() ? QString() : reports.first().absoluteFilePath();
}

QString ZRNCrashReporter::lastCrashReport(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return localized("LSCrashReportUnreadable");
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\n\n**********\n\n")).last();
}

QString ZRNCrashReporter::consoleLog() const
{
    return LogFile::lines(m_logPath, applicationName()).join(QLatin1Char('\n'));
}

QString ZRNCrashReporter::reportText(const QString &path) const
{
    return lastCrashReport(path) + QStringLiteral("\n\n") + consoleLog();
}

QByteArray ZRNCrashReporter::formBody(const QString &report, const QString &description)
{
    MultipartForm form;
    form.addPart("crashlog", report);
    form.addPart("description", description);
    return form.body();
}

void ZRNCrashReporter::send(const QString &report, const QString &description, QObject *context,
                            FormSender::Completion done) const
{
    FormSender::post({m_description.crashReporterURL, QByteArrayLiteral("ZRNCrashReporter"),
                      formBody(report, description)},
                     context, std::move(done));
}

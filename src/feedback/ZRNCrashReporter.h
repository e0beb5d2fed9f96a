#pragma once

#include "ApplicationDescription.h"
#include "FormSender.h"

#include <QDateTime>
#include <QString>

// Finds the crash report an earlier run left (see CrashSignalHandler), decides whether to offer
// it, and sends it with the user's description. The question and the reporter window are the
// user interface's (CrashReporterWindow); everything here works without a display.
class ZRNCrashReporter
{
public:
    ZRNCrashReporter(QString folder, QString logPath,
                     ApplicationDescription description = ApplicationDescription::standard());
    // The reporter of the program's own state folder.
    static ZRNCrashReporter standard();

    // The launch check without its question: the newest report, when it appeared after the
    // last check. Looking counts as the check: each report is offered once, whatever the user
    // answers. Empty when there is nothing new.
    QString reportToOffer(const QDateTime &now = QDateTime::currentDateTimeUtc()) const;

    // The newest "<name>_….crash" in the folder by modification date; empty when none.
    QString pathAndNameOfCrashReportFile() const;
    // The last report in the file (reports appended to one file are separated by a line of
    // stars); empty for a missing file.
    static QString lastCrashReport(const QString &path);
    // The log from the first line that names the program.
    QString consoleLog() const;
    // What the reporter window shows: the report, a blank line, the log.
    QString reportText(const QString &path) const;
    const QString &applicationName() const { return m_description.executable; }

    // Whether reports can be sent: an endpoint was built in. Without one, a report is still
    // offered, to be copied or saved.
    bool canSend() const { return !m_description.crashReporterURL.isEmpty(); }
    static QByteArray formBody(const QString &report, const QString &description);
    void send(const QString &report, const QString &description, QObject *context,
              FormSender::Completion done) const;

private:
    QString m_folder;
    QString m_logPath;
    ApplicationDescription m_description;
};

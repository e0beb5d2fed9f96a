#pragma once

#include <QString>
#include <QUrl>

// What the application says about itself: its name and version, and where crash reports and
// feedback are sent. The values are set when the program is built (see resources/); an empty
// endpoint turns its sender off.
struct ApplicationDescription
{
    QString executable;            // "CFBundleExecutable"
    QString version;               // "CFBundleShortVersionString"
    QUrl crashReporterURL;         // "ZRNCrashReporterCGIURL"
    QUrl feedbackProviderURL;      // "ZRNFeedbackProviderCGIURL"
    QUrl feedbackURL;              // "ZRNFeedbackURL": the page the feedback window links to
    QString feedbackSubjectPrefix; // "ZRNFeedbackSubjectPrefix"

    // The description built into the program.
    static const ApplicationDescription &standard();
    // The values of a description resource; missing keys stay empty.
    static ApplicationDescription fromJson(const QByteArray &json);
};

#include "ApplicationDescription.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

const ApplicationDescription &ApplicationDescription::standard()
{
    static const ApplicationDescription s_description = [] {
        QFile file(QStringLiteral(":/application.json"));
        return fromJson(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }();
    return s_description;
}

ApplicationDescription ApplicationDescription::fromJson(const QByteArray &json)
{
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    const auto text = [&object](const char *key) {
        return object.value(QLatin1String(key)).toString();
    };
    const auto url = [&text](const char *key) { return QUrl(text(key), QUrl::StrictMode); };
    ApplicationDescription description;
    description.executable = text("CFBundleExecutable");
    description.version = text("CFBundleShortVersionString");
    description.crashReporterURL = url("ZRNCrashReporterCGIURL");
    description.feedbackProviderURL = url("ZRNFeedbackProviderCGIURL");
    description.feedbackURL = url("ZRNFeedbackURL");
    description.feedbackSubjectPrefix = text("ZRNFeedbackSubjectPrefix");
    return description;
}

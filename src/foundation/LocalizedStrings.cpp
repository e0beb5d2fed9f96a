#include "LocalizedStrings.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSet>
#include <QtDebug>

const LocalizedStrings &LocalizedStrings::instance()
{
    static const LocalizedStrings s_instance;
    return s_instance;
}

LocalizedStrings::LocalizedStrings()
{
    const QDir dir(QStringLiteral(":/strings"));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        load(dir.filePath(file));
}

void LocalizedStrings::load(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Warning: LocalizedStrings cannot open %s", qPrintable(resourcePath));
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!json.isObject()) {
        qWarning("Warning: LocalizedStrings %s: %s", qPrintable(resourcePath),
                 qPrintable(parseError.errorString()));
        return;
    }
    const QJsonObject object = json.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        m_texts.insert(it.key(), it.value().toString());
}

QString LocalizedStrings::text(QStringView key) const
{
    const auto it = m_texts.constFind(key.toString());
    if (it != m_texts.constEnd())
        return it.value();

    static QMutex s_mutex;
    static QSet<QString> s_reported;
    const QMutexLocker locker(&s_mutex);
    if (!s_reported.contains(key.toString())) {
        s_reported.insert(key.toString());
        qWarning("Warning: LocalizedStrings no text for key %s", qPrintable(key.toString()));
    }
    return key.toString();
}

bool LocalizedStrings::contains(QStringView key) const
{
    return m_texts.contains(key.toString());
}

QString localized(QStringView key)
{
    return LocalizedStrings::instance().text(key);
}

#include "LocalizedStrings.h"

#include <QMutex>
#include <QSet>
#include <QTranslator>
#include <QtDebug>

#include <algorithm>
#include <limits>

namespace {

const QString s_folder = QStringLiteral(":/translations");
const QString s_name = QStringLiteral("tabwright");

void reportMissing(QStringView key)
{
    static QMutex s_mutex;
    static QSet<QString> s_reported;
    const QMutexLocker locker(&s_mutex);
    if (!s_reported.contains(key.toString())) {
        s_reported.insert(key.toString());
        qWarning("Warning: LocalizedStrings no text for key %s", qPrintable(key.toString()));
    }
}

} // namespace

const LocalizedStrings &LocalizedStrings::instance()
{
    static const LocalizedStrings s_instance(QLocale::system());
    return s_instance;
}

LocalizedStrings::LocalizedStrings(const QLocale &locale)
    : m_locale(locale)
    , m_english(std::make_unique<QTranslator>())
    , m_translation(std::make_unique<QTranslator>())
{
    if (!m_english->load(s_name + QStringLiteral("_en"), s_folder))
        qWarning("Warning: LocalizedStrings cannot load the English texts");
    // An English locale, or one without a translation, leaves m_translation empty.
    if (m_locale.language() != QLocale::English)
        (void)m_translation->load(m_locale, s_name, QStringLiteral("_"), s_folder);
}

LocalizedStrings::~LocalizedStrings() = default;

QString LocalizedStrings::find(QStringView key, int count) const
{
    const QByteArray id = key.toUtf8();
    QString text = m_translation->translate(nullptr, id.constData(), nullptr, count);
    if (text.isEmpty())
        text = m_english->translate(nullptr, id.constData(), nullptr, count);
    return text;
}

QString LocalizedStrings::text(QStringView key) const
{
    const QString text = find(key, -1);
    if (!text.isEmpty())
        return text;
    reportMissing(key);
    return key.toString();
}

QString LocalizedStrings::text(QStringView key, qint64 count) const
{
    // Plural rules look at the last digits; counts beyond int keep them.
    const int rulesCount =
        count > std::numeric_limits<int>::max() ? int(count % 1000000000 + 1000000000) : int(count);
    QString text = find(key, rulesCount);
    if (text.isEmpty()) {
        reportMissing(key);
        return key.toString();
    }
    return text.replace(QLatin1String("%Ln"), m_locale.toString(count))
        .replace(QLatin1String("%n"), QString::number(count));
}

bool LocalizedStrings::contains(QStringView key) const
{
    return !find(key, -1).isEmpty();
}

QString localized(QStringView key)
{
    return LocalizedStrings::instance().text(key);
}

QString localized(const char *key, qint64 count)
{
    return LocalizedStrings::instance().text(QString::fromLatin1(key), count);
}

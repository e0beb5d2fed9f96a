#pragma once

#include <QLocale>
#include <QString>

#include <memory>

class QTranslator;

// The string table: every text a user sees is looked up here by its key ("LSUDAddRow"). The
// texts come from Qt translation files (resources/translations/*.ts, compiled into the program)
// whose message ids are the keys; English is the source language and the fallback for a text a
// translation lacks. Texts with values take numbered arguments (%1, %2) filled with QString::arg;
// texts about a count take it as %Ln and have a plural form for each number class.
class LocalizedStrings
{
public:
    // The table for the user's language (QLocale::system()), made on first use.
    static const LocalizedStrings &instance();

    explicit LocalizedStrings(const QLocale &locale);
    ~LocalizedStrings();

    // The text for the key; a missing key answers the key itself and is logged once, so a
    // forgotten entry shows up on screen instead of as an empty label.
    QString text(QStringView key) const;
    // The plural form for the count, with %Ln written in the locale's digit grouping.
    QString text(QStringView key, qint64 count) const;
    bool contains(QStringView key) const;

private:
    QString find(QStringView key, int count) const;

    QLocale m_locale;
    std::unique_ptr<QTranslator> m_english;
    std::unique_ptr<QTranslator> m_translation;
};

// Shorthand used wherever a text is shown: localized("LSUDAddRow").
QString localized(QStringView key);
inline QString localized(const char *key)
{
    return localized(QString::fromLatin1(key));
}
// A text about a count: localized("LSRows", rows) is "1 row", "2 rows".
QString localized(const char *key, qint64 count);

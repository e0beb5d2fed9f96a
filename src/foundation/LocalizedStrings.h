#pragma once

#include <QHash>
#include <QString>

// The string table: every text a user sees is looked up here by its key ("LSUDAddRow").
// Texts with values take numbered arguments (%1, %2) filled with QString::arg.
class LocalizedStrings
{
public:
    static const LocalizedStrings &instance();

    // The text for the key; a missing key answers the key itself and is logged once, so a
    // forgotten entry shows up on screen instead of as an empty label.
    QString text(QStringView key) const;
    bool contains(QStringView key) const;

private:
    LocalizedStrings();
    void load(const QString &resourcePath);

    QHash<QString, QString> m_texts;
};

// Shorthand used wherever a text is shown: localized("LSUDAddRow").
QString localized(QStringView key);
inline QString localized(const char *key)
{
    return localized(QString::fromLatin1(key));
}

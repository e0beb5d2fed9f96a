#pragma once

#include <QMap>
#include <QString>

// The string keys a source tree uses, read from its text: what the program looks up, whatever
// holds the texts. A literal is a key when it is handed straight to localized() or follows the
// naming of keys ("LS…", "CellColorPref…"...); a literal that begins like a key without being
// one ("LS" + name) is a part of keys built at run time. Comments are skipped.
class SourceStringKeys
{
public:
    explicit SourceStringKeys(const QString &folder);

    // Key or part → where it is first used ("ui/DocumentWindow.cpp:404").
    const QMap<QString, QString> &keys() const { return m_keys; }
    const QMap<QString, QString> &parts() const { return m_parts; }

private:
    void read(const QString &path, const QString &name);
    void take(const QString &literal, bool inLookup, const QString &location);

    QMap<QString, QString> m_keys;
    QMap<QString, QString> m_parts;
};

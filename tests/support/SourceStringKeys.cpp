#include "SourceStringKeys.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace {

// Include lines, comments, character literals, raw and plain string literals (a plain one's
// text in group 2), calls of localized() and parentheses.
const QRegularExpression
    s_token(QStringLiteral(R"re(#\s*include[^\n]*|//[^\n]*|/\*[\s\S]*?\*/|'(?:[^'\\\n]|\\.)*')re"
                           R"re(|(?:u8|u|U|L)?R"([^(\s]*)\([\s\S]*?\)\1")re"
                           R"re(|(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)")re"
                           R"re(|\blocalized\(|[()])re"));
// The beginnings of keys.
const QString s_families =
    QStringLiteral("(LS|CellColorPref|GeneralPref|FEEDBACK_|WANT_TO_SEND_|ZRNMeasurementLib)");
const QRegularExpression s_keyStart(QLatin1Char('^') + s_families);
const QRegularExpression s_keyNaming(QLatin1Char('^') + s_families +
                                     QStringLiteral("[A-Za-z0-9_]+$"));
// Literals named like keys that are not keys: the preference panes' identifiers.
const QStringList s_notKeys{QStringLiteral("CellColorPrefPanel"),
                            QStringLiteral("GeneralPreferencePanel")};

// The literal's text: its escapes (\" \\ \uXXXX) resolved.
QString unescaped(const QString &literal)
{
    static const QRegularExpression escape(QStringLiteral(R"(\\(u[0-9A-Fa-f]{4}|.))"));
    QString text;
    qsizetype end = 0;
    for (const QRegularExpressionMatch &match : escape.globalMatch(literal)) {
        text += literal.mid(end, match.capturedStart() - end);
        const QString code = match.captured(1);
        text += code.size() == 5 ? QChar(code.mid(1).toUShort(nullptr, 16)) : code.at(0);
        end = match.capturedEnd();
    }
    return text + literal.mid(end);
}

} // namespace

SourceStringKeys::SourceStringKeys(const QString &folder)
{
    QDirIterator files(folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        read(path, path.mid(folder.size() + 1));
    }
}

void SourceStringKeys::read(const QString &path, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    int lookupDepth = 0; // parentheses open since localized(, 0 outside its argument
    int line = 1;
    qsizetype counted = 0;
    for (const QRegularExpressionMatch &match : s_token.globalMatch(text)) {
        const QString token = match.captured();
        if (token == u"localized(")
            lookupDepth += 1;
        else if (lookupDepth > 0 && token == u"(")
            ++lookupDepth;
        else if (lookupDepth > 0 && token == u")")
            --lookupDepth;
        else if (match.capturedStart(2) >= 0) {
            line += QStringView(text).mid(counted, match.capturedStart() - counted).count(u'\n');
            counted = match.capturedStart();
            take(unescaped(match.captured(2)), lookupDepth > 0,
                 QStringLiteral("%1:%2").arg(name).arg(line));
        }
    }
}

void SourceStringKeys::take(const QString &literal, bool inLookup, const QString &location)
{
    if (s_notKeys.contains(literal))
        return;
    if (s_keyNaming.match(literal).hasMatch() ||
        (inLookup && !s_keyStart.match(literal).hasMatch()))
        m_keys.insert(literal, m_keys.value(literal, location));
    else if (s_keyStart.match(literal).hasMatch())
        m_parts.insert(literal, m_parts.value(literal, location));
}

#include "ReferenceCSVWalk.h"

#include "ParserRecorder.h"

#include <QJsonArray>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x09 && u <= 0x0D) || u == 0x85 || c.category() == QChar::Separator_Space ||
           c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

void trim(QString &text, bool (*predicate)(QChar))
{
    while (!text.isEmpty() && predicate(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && predicate(text.back()))
        text.chop(1);
}

} // namespace

ReferenceCSVWalk::ReferenceCSVWalk(QChar delimiter, bool trimSpaces, bool backslashEscapes)
    : m_delimiter(delimiter), m_trimSpaces(trimSpaces), m_backslashEscapes(backslashEscapes)
{}

QString ReferenceCSVWalk::read(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> units(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    const icu::UnicodeString icuText(false, reinterpret_cast<const UChar *>(text.utf16()),
                                     static_cast<int32_t>(text.size()));
    units->setText(icuText);
    QChar previous; // U+0000, no line break, before the first unit
    for (int32_t start = units->first(), end = units->next(); end != icu::BreakIterator::DONE;
         start = end, end = units->next()) {
        for (const QStringView unit : splitCluster(QStringView(text).sliced(start, end - start))) {
            process(unit, previous);
            previous = unit.front();
        }
    }
    // A delimiter at the end leaves the line between fields: the empty field after it.
    if (m_state == State::InField || m_state == State::BetweenFields)
        finishField();
    if (m_state == State::BetweenFields)
        finishLine();
    return m_log.isEmpty() ? QStringLiteral("end") : m_log + QStringLiteral(" end");
}

// A delimiter or quotation mark is a unit by itself; a delimiter, quotation mark or backslash
// after the first character of a cluster begins a unit of its own.
QList<QStringView> ReferenceCSVWalk::splitCluster(QStringView cluster) const
{
    const auto isStructural = [this](QChar c) {
        return c == m_delimiter || c == u'"' || c == u'\\';
    };
    QList<QStringView> units;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= cluster.size(); ++i) {
        const bool standsAlone = cluster[start] == m_delimiter || cluster[start] == u'"';
        if (i == cluster.size() || standsAlone || isStructural(cluster[i])) {
            units.append(cluster.sliced(start, i - start));
            start = i;
        }
    }
    return units;
}

void ReferenceCSVWalk::process(QStringView unit, QChar previous)
{
    const QChar c = unit.front();
    const bool lineBreak = isLineBreak(c) && !isLineBreak(previous);
    const bool balanced = m_balancedQuotes && m_balancedEscapes;
    if (m_state == State::LineStart) {
        if (unit == u"#") {
            m_state = State::CommentLine;
            return;
        }
        ++m_line;
        m_fields.clear();
        m_state = State::BetweenFields;
    }
    if (m_state == State::CommentLine) {
        if (lineBreak && balanced)
            m_state = State::LineStart;
        return;
    }
    if (m_state == State::BetweenFields) {
        if (lineBreak) {
            if (balanced) {
                finishField();
                finishLine();
            }
            return;
        }
        beginField();
        if (c == u'"')
            m_balancedQuotes = false;
        else if (c == u'\\' && m_backslashEscapes)
            m_balancedEscapes = false;
        else if (c == m_delimiter)
            return finishField();
        m_field += unit;
        return;
    }
    // In a field.
    if (c == u'"') {
        if (m_balancedEscapes)
            m_balancedQuotes = !m_balancedQuotes;
        m_balancedEscapes = true;
    } else if (c == u'\\' && m_backslashEscapes) {
        m_balancedEscapes = !m_balancedEscapes;
    } else if (c == m_delimiter && balanced) {
        return finishField();
    } else if (c == m_delimiter) {
        m_balancedEscapes = true;
    } else if (lineBreak && balanced) {
        finishField();
        return finishLine();
    } else if (!lineBreak) {
        m_balancedEscapes = true;
    }
    m_field += unit;
}

void ReferenceCSVWalk::beginField()
{
    m_field.clear();
    m_balancedQuotes = true;
    m_balancedEscapes = true;
    m_state = State::InField;
}

void ReferenceCSVWalk::finishField()
{
    trim(m_field, isLineBreak);
    if (m_field.size() >= 2 && m_field.startsWith(u'"') && m_field.endsWith(u'"'))
        m_field = m_field.mid(1, m_field.size() - 2);
    if (m_trimSpaces)
        trim(m_field, isSpace);
    m_field.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    m_fields.append(m_field);
    m_field.clear();
    m_state = State::BetweenFields;
}

void ReferenceCSVWalk::finishLine()
{
    if (!m_log.isEmpty())
        m_log += u' ';
    m_log +=
        ParserRecorder::formatLine(QString::number(m_line), QJsonArray::fromStringList(m_fields));
    m_state = State::LineStart;
}

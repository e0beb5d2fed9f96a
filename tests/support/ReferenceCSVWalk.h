#pragma once

#include <QString>
#include <QStringList>

// The plain way to read delimited text, to check the parser against: the whole text at once,
// split into grapheme clusters by ICU's break iterator (cut around delimiters, quotation marks
// and backslashes as the parser cuts them), every cluster through the state
// machine, every field built up unit by unit and finished with whole-string operations. It
// answers the log ParserRecorder would record.
class ReferenceCSVWalk
{
public:
    ReferenceCSVWalk(QChar delimiter, bool trimSpaces, bool backslashEscapes);

    QString read(const QString &text);

private:
    enum class State { LineStart, BetweenFields, InField, CommentLine };

    QList<QStringView> splitCluster(QStringView cluster) const;
    void process(QStringView unit, QChar previous);
    void beginField();
    void finishField();
    void finishLine();

    QChar m_delimiter;
    bool m_trimSpaces;
    bool m_backslashEscapes;
    State m_state = State::LineStart;
    bool m_balancedQuotes = true;
    bool m_balancedEscapes = true;
    QString m_field;
    QStringList m_fields;
    qint64 m_line = 0;
    QString m_log;
};

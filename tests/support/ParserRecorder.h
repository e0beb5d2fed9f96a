#pragma once

#include "csv/StringEncoding.h"
#include "csv/ZRNCSVParserDelegate.h"

#include <QJsonArray>
#include <QString>

// Records a parse as one line of text, so that a test compares the whole of it at once:
// every reported line as its number and a JSON array of its fields, then "end" or
// "fail <code>". A call out of order is recorded as "!" and its name.
class ParserRecorder : public ZRNCSVParserDelegate
{
public:
    // Cancels the parse from the call with this number (the document start is call 1).
    qint64 cancelAtCall = -1;

    const QString &log() const { return m_log; }

    void parserDidStartDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidStartLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidReadField(ZRNCSVParser &parser, QStringView field) override;
    void parserDidEndLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidEndDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidFailWithError(ZRNCSVParser &parser, const Error &error) override;

private:
    void call(ZRNCSVParser &parser, bool expected, const char *name);
    void append(const QString &text);

    QString m_log;
    qint64 m_calls = 0;
    qint64 m_line = 0;
    bool m_inDocument = false;
    bool m_inLine = false;
    QJsonArray m_fields;
};

// How ParserRecorder::record reads its input.
struct ParseOptions
{
    StringEncoding encoding = StringEncodings::UTF8;
    QString delimiter = QStringLiteral(",");
    bool trimSpaces = false;
    qsizetype chunkSize = 0; // 0: the parser's default
};

// The log of parsing bytes.
QString parseLog(const QByteArray &bytes, const ParseOptions &options = {});

#pragma once

#include "csv/StringEncoding.h"
#include "csv/ZRNCSVParserDelegate.h"

#include <QJsonArray>
#include <QString>

// Records a parse as one line of text, so that a test compares the whole of it at once:
// every reported line as its number and a JSON array of its fields, then "end" or
// "fail <code>". A line still open at the failure shows as its number, "~" and its fields so
// far. A call out of order is recorded as "!" and its name.
class ParserRecorder : public ZRNCSVParserDelegate
{
public:
    // Cancels the parse from the call with this number (the document start is call 1).
    qint64 cancelAtCall = -1;

    const QString &log() const { return m_log; }
    bool isInOrder() const { return m_isInOrder; }
    // The file named by the last document start.
    const QString &csvFile() const { return m_csvFile; }

    // How the log shows a line: its number and its fields as a JSON array.
    static QString formatLine(const QString &number, const QJsonArray &fields);

    void parserDidStartDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidStartLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidReadField(ZRNCSVParser &parser, QStringView field) override;
    void parserDidEndLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidEndDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidFailWithError(ZRNCSVParser &parser, const Error &error) override;

private:
    void call(ZRNCSVParser &parser, bool expected, const char *name);
    void append(const QString &text);
    void appendLine(const QString &number);

    QString m_log;
    QString m_csvFile;
    bool m_isInOrder = true;
    qint64 m_calls = 0;
    qint64 m_line = 0;
    bool m_inDocument = false;
    bool m_inLine = false;
    QJsonArray m_fields;
};

// How parse reads its input.
struct ParseOptions
{
    StringEncoding encoding = StringEncodings::UTF8;
    QString delimiter = QStringLiteral(",");
    bool trimSpaces = false;
    bool backslashEscapes = false;
    qsizetype chunkSize = 0; // 0: the parser's default
};

struct ParseResult
{
    QString log;
    bool isInOrder;
    qint64 detectedLineEnd;
    bool encodingErrorOccured;
};

// Parses bytes from a stream.
ParseResult parse(const QByteArray &bytes, const ParseOptions &options = {});
inline QString parseLog(const QByteArray &bytes, const ParseOptions &options = {})
{
    return parse(bytes, options).log;
}

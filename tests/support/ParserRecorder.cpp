#include "ParserRecorder.h"

#include "csv/ZRNCSVParser.h"

#include <QBuffer>
#include <QJsonDocument>

void ParserRecorder::call(ZRNCSVParser &parser, bool expected, const char *name)
{
    if (!expected) {
        m_isInOrder = false;
        append(QLatin1String("!") + QLatin1String(name));
    }
    if (++m_calls == cancelAtCall)
        parser.cancelParsing();
}

void ParserRecorder::append(const QString &text)
{
    if (!m_log.isEmpty())
        m_log += u' ';
    m_log += text;
}

QString ParserRecorder::formatLine(const QString &number, const QJsonArray &fields)
{
    return number + QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact));
}

void ParserRecorder::appendLine(const QString &number)
{
    append(formatLine(number, m_fields));
}

void ParserRecorder::parserDidStartDocument(ZRNCSVParser &parser, const QString &csvFile)
{
    call(parser, !m_inDocument, "startDocument");
    m_inDocument = true;
    m_csvFile = csvFile;
}

void ParserRecorder::parserDidStartLine(ZRNCSVParser &parser, qint64 line)
{
    call(parser, m_inDocument && !m_inLine && line == m_line + 1, "startLine");
    m_line = line;
    m_inLine = true;
    m_fields = {};
}

void ParserRecorder::parserDidReadField(ZRNCSVParser &parser, QStringView field)
{
    call(parser, m_inLine, "field");
    m_fields.append(field.toString());
}

void ParserRecorder::parserDidEndLine(ZRNCSVParser &parser, qint64 line)
{
    call(parser, m_inLine && line == m_line, "endLine");
    m_inLine = false;
    appendLine(QString::number(line));
}

void ParserRecorder::parserDidEndDocument(ZRNCSVParser &parser, const QString &)
{
    call(parser, m_inDocument && !m_inLine, "endDocument");
    m_inDocument = false;
    append(QStringLiteral("end"));
}

void ParserRecorder::parserDidFailWithError(ZRNCSVParser &parser, const Error &error)
{
    call(parser, m_inDocument, "fail");
    if (m_inLine)
        appendLine(QString::number(m_line) + u'~');
    m_inLine = false;
    m_inDocument = false;
    append(QStringLiteral("fail ") + QString::number(error.code()));
}

ParseResult parse(const QByteArray &bytes, const ParseOptions &options)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    auto parser = ZRNCSVParser::withStream(std::move(buffer), options.encoding);
    parser->setDelimiter(options.delimiter);
    parser->setTrimSpaces(options.trimSpaces);
    parser->setBackslashEscapes(options.backslashEscapes);
    if (options.chunkSize > 0)
        parser->setChunkSize(options.chunkSize);
    ParserRecorder recorder;
    parser->setParserDelegate(&recorder);
    parser->parse();
    return {recorder.log(), recorder.isInOrder(), parser->detectedLineEnd(),
            parser->encodingErrorOccured()};
}

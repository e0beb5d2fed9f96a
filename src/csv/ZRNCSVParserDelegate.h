#pragma once

#include <QString>
#include <QStringView>

class Error;
class ZRNCSVParser;

// Receives what a ZRNCSVParser reads, in this order: the document start; for every line its
// start, its fields and its end; then either the document end or the failure, never both.
// Every call is made on the thread that runs ZRNCSVParser::parse, before parse returns. A
// delegate may call cancelParsing from any of them.
class ZRNCSVParserDelegate
{
public:
    virtual ~ZRNCSVParserDelegate() = default;

    // csvFile is the path the parser reads, or a null string for a stream or a string.
    virtual void parserDidStartDocument(ZRNCSVParser &parser, const QString &csvFile) = 0;
    // Lines are numbered from 1; comment lines are not counted.
    virtual void parserDidStartLine(ZRNCSVParser &parser, qint64 line) = 0;
    // field views the parser's own text and is valid during the call only: a delegate that
    // keeps the field copies it.
    virtual void parserDidReadField(ZRNCSVParser &parser, QStringView field) = 0;
    virtual void parserDidEndLine(ZRNCSVParser &parser, qint64 line) = 0;
    virtual void parserDidEndDocument(ZRNCSVParser &parser, const QString &csvFile) = 0;
    // Also sent when the parse was cancelled, with the cancellation error.
    virtual void parserDidFailWithError(ZRNCSVParser &parser, const Error &error) = 0;
};

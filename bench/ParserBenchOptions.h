#pragma once

#include "csv/StringEncoding.h"

#include <QString>
#include <QStringList>

#include <memory>

class ZRNCSVParser;

// The arguments the parser modes share: FILE [--encoding N] [--separator T] [--trim]
// [--backslash-escapes].
struct ParserBenchOptions
{
    static constexpr const char *Usage =
        "FILE [--encoding N] [--separator T] [--trim] [--backslash-escapes]";

    QString file;
    StringEncoding encoding = StringEncodings::UTF8;
    qint64 separatorType = 0;
    bool trimSpaces = false;
    bool backslashEscapes = false;

    // False, after saying why on standard error, when the arguments are wrong.
    bool read(const QStringList &arguments);
    // A parser on the file with these settings, or null after saying why on standard error.
    std::unique_ptr<ZRNCSVParser> makeParser() const;
};

#pragma once

#include "csv/StringEncoding.h"

#include <QString>
#include <QStringList>

#include <optional>

// The arguments the writing modes share: IN OUT [--encoding N] [--separator T]
// [--line-ending L] [--repeat N]. A setting not given is left to the mode.
struct BenchWriteOptions
{
    static constexpr const char *Usage =
        "IN OUT [--encoding N] [--separator T] [--line-ending L] [--repeat N]";

    QString in;
    QString out;
    std::optional<StringEncoding> encoding;
    std::optional<int> separatorType;
    std::optional<int> lineEndType;
    int repeat = 1;

    // False, after printing the usage of mode on standard error, when the arguments are wrong.
    bool read(const char *mode, const QStringList &arguments);
};

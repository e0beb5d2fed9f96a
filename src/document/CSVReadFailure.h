#pragma once

#include "csv/StringEncoding.h"

#include <QString>

// A read that stopped part way (a read error or bytes the encoding cannot decode), or that
// read the rest of the file into one cell because a quotation mark was never closed. The
// document keeps the rows read and stays read-only: saving would destroy the rest of the file.
struct CSVReadFailure
{
    enum Kind { ReadError, Undecodable, UnclosedQuote };

    Kind kind = ReadError;
    qint64 rowsRead = 0;
    StringEncoding encoding = 0;
    // The line of the text where reading stopped, or where the quotation mark opened.
    qint64 line = 0;
    // Where reading stopped, in bytes from the start of the file.
    qint64 byteOffset = 0;
    // The reader's own words for a read error.
    QString reason;

    // The message the window shows, naming the file.
    QString localizedDescription(const QString &path) const;
};

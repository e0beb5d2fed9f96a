#pragma once

#include <QByteArray>

class QIODevice;

// A realistic comma-separated table, the same on every machine and in every run: ids, amounts,
// dates, categories, quoted names with commas, sentences with doubled quotation marks and a few
// line breaks, e-mail addresses, accented city names and some empty cells, in UTF-8 with CR LF
// line ends. Each row depends only on its number, so a mode can make any row on its own.
class BenchTableGenerator
{
public:
    static QByteArray header();
    // Appends row number row (from 0) and its line end to out.
    static void appendRow(qint64 row, QByteArray &out);
    // Writes the header and rows rows; false if the device refused a write.
    static bool write(qint64 rows, QIODevice &device);
    // Writes the numbers 1 to rows, one a line with no header (as `seq 1 ROWS` does): one short
    // column, where what each row costs outweighs its text.
    static bool writeNumbers(qint64 rows, QIODevice &device);
};

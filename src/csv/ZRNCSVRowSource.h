#pragma once

#include <QStringView>
#include <QtGlobal>

// The rows a writer reads, one cell at a time, so that a table is written from wherever it is
// kept without being copied into lists of strings first.
class ZRNCSVRowSource
{
public:
    virtual ~ZRNCSVRowSource() = default;

    virtual qsizetype rowCount() const = 0;
    virtual qsizetype columnCount(qsizetype row) const = 0;
    // The text of one cell; the view stays valid until the next call on this source.
    virtual QStringView cell(qsizetype row, qsizetype column) const = 0;
    // How many of the first rows hold column titles rather than data. Errors name a title as
    // such and count data rows from the first row after the titles, as the user sees them.
    virtual qsizetype titleRowCount() const { return 0; }
};

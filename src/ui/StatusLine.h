#pragma once

#include <QString>

// The status line under the table: how many rows are selected, and how many are shown of how
// many the document has.
class StatusLine
{
public:
    static QString text(qint64 selectedRows, qint64 visibleRows, qint64 totalRows);
};

#include "BenchIndexSets.h"

IndexSet everyOtherRow(qint64 rowCount)
{
    return everyNthRow(rowCount, 2);
}

IndexSet everyNthRow(qint64 rowCount, qint64 n)
{
    IndexSet rows;
    for (qint64 row = 0; row < rowCount; row += n)
        rows.add(row);
    return rows;
}

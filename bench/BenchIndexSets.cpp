#include "BenchIndexSets.h"

IndexSet everyOtherRow(qint64 rowCount)
{
    IndexSet rows;
    for (qint64 row = 0; row < rowCount; row += 2)
        rows.add(row);
    return rows;
}

#pragma once

#include "foundation/IndexSet.h"

// Row 0, 2, 4, ...: the selection that costs most per row, one range for every selected row.
IndexSet everyOtherRow(qint64 rowCount);

// Row 0, n, 2n, ...
IndexSet everyNthRow(qint64 rowCount, qint64 n);

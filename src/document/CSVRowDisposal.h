#pragma once

#include "CSVRow.h"

// Lets go of rows no longer wanted. Freeing ten million rows takes the better part of a second,
// so a worker frees a large list and the window goes on drawing. Rows still held elsewhere (by
// an undo step, say) live on: only the list's hold on them goes.
class CSVRowDisposal
{
public:
    // Fewer rows than this are freed at once, in a blink.
    static constexpr size_t s_rowsFreedAtOnce = 100'000;

    static void dispose(CSVRowList rows);
};

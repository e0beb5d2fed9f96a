#pragma once

#include "CSVCommandChoices.h"

#include "foundation/IndexSet.h"

#include <QString>

#include <vector>

class CSVDocument;

// The merge sheet's command: open() fills what the sheet shows, close() takes it back.
namespace CSVMergeColumns {

struct Entry
{
    QString name;
    QString identifier;
};

struct Options
{
    using Separator = CSVCommandChoices::MergeSeparator;

    // The columns to merge, in the order their cells are joined.
    std::vector<Entry> order;
    // The identifier of the column that receives the joined cells; one of the order's.
    QString destination;
    Separator separator = Separator::Nothing;
    // The separator of Separator::Text.
    QString separatorText;
    // Hide the merged columns other than the destination afterwards.
    bool removesSources = false;
};

// The selected columns in display order, the first as destination; the separator and the
// removal box as they were left the last time.
Options open(const CSVDocument &document);

// Dragging entries of the order: the entries at dragged (in their order) go to stand before
// the entry that stood at row, or at the end for a row at or past the end.
void moveEntries(std::vector<Entry> &order, const IndexSet &dragged, qint64 row);

// The separator text field counts only for Separator::Text.
bool isSeparatorTextEnabled(Options::Separator separator);

// Either button clears the search filter and remembers the separator and the removal box. OK
// writes into the destination of every row the cells of the order joined by the separator (an
// empty cell still brings its separator; the destination's own text takes its place in the
// order), then, if asked, hides the other merged columns, found by identifier, so that no other
// column goes whatever was removed or moved before. Removed columns keep their cells, as every
// removal does. One step, "LSUDMergeColumns".
void close(CSVDocument &document, const Options &options, bool confirmed);

} // namespace CSVMergeColumns

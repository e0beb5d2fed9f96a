#pragma once

#include "CSVCommandChoices.h"

#include <QtGlobal>

class CSVDocument;

// The insert-columns sheet's command: open() fills what the sheet shows, close() takes it back.
namespace CSVInsertColumns {

struct Options
{
    using Placement = CSVCommandChoices::ColumnPlacement;

    qint32 count = 1;
    Placement placement = Placement::AtBeginning;
    // The display position of the column chosen in the sheet's list of shown columns, for the
    // placements before and after a column.
    qint64 column = 0;
};

// Placing before or after a column needs a shown column.
bool canPlaceByColumn(const CSVDocument &document);

// A count of 1 and the placement chosen last time, or the beginning when that was relative to
// a column and none is shown now. The search filter stays in force.
Options open(const CSVDocument &document);

// Either button: the placement is remembered. OK forgets the find result and shows count new
// empty columns at the placement: step "LSUDAddColumn", as for one. A count below 1 adds no
// column.
void close(CSVDocument &document, const Options &options, bool confirmed);

} // namespace CSVInsertColumns

#pragma once

#include "CSVCommandChoices.h"

#include "foundation/NotFound.h"

#include <QtGlobal>

class CSVDocument;

// The insert-rows sheet's command: open() fills what the sheet shows, close() takes it back.
namespace CSVInsertRows {

struct Options
{
    using Placement = CSVCommandChoices::RowPlacement;

    qint32 count = 1;
    Placement placement = Placement::AtBeginning;
    // Where the first selected row stands among all rows, taken when the sheet opened; the
    // not-found index when no row was selected, and then the rows cannot go before it.
    qint64 firstSelectedRow = NotFound;

    bool canInsertBeforeSelection() const { return firstSelectedRow != NotFound; }
};

// Clears the search filter and answers a count of 1 and the placement chosen last time, or
// the beginning when that was before the selection and no row is selected now. With a filter
// in force the new rows go before the first selected row's place among all rows.
Options open(CSVDocument &document);

// Either button: the placement is remembered. OK inserts count empty rows as one block at the
// placement, selected: step "LSUDInsertRows". A count below 1 inserts nothing.
void close(CSVDocument &document, const Options &options, bool confirmed);

} // namespace CSVInsertRows

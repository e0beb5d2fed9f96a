#pragma once

#include "CSVDuplicateSearch.h"

#include <QString>

#include <vector>

class CSVDocument;

// The commands that remove or show duplicate rows. The sheet's choice becomes a search
// (CSVDuplicateSearch), which runs on a worker; its result is applied here, on the main thread.
namespace CSVDuplicateRows {

// An item of the key-column pop-up; the empty identifier compares whole rows.
struct KeyColumn
{
    QString title;
    QString identifier;
};

// Clears the search filter and answers the pop-up: "LSAllColumns" first, then every shown
// column in display order.
std::vector<KeyColumn> open(CSVDocument &document);

// The search over the document's rows (a header row is none of them), by the column with that
// identifier or, for the empty identifier, by whole rows.
CSVDuplicateSearch makeSearch(const CSVDocument &document, const QString &keyIdentifier,
                              CSVDuplicateSearch::Purpose purpose);

// Removes the rows found as one step, "LSUDRemoveDuplicateRows", and answers how many.
qint64 removeFound(CSVDocument &document, const CSVDuplicateSearch &search);
// Shows the rows found in the duplicate-rows view (display mode 3), replacing an earlier list;
// with none found the view stays as it was. No row is selected afterwards. Answers whether
// rows were found.
bool showFound(CSVDocument &document, const CSVDuplicateSearch &search);
// Leaves the duplicate-rows view: every row is shown again, none selected.
void endShowDuplicateRows(CSVDocument &document);

} // namespace CSVDuplicateRows

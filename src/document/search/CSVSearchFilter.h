#pragma once

#include <QString>

class CSVDocument;

// The search filter of a document: the search field's text narrows the visible rows to the
// very same row objects that pass CSVRowFilter, in their order (display mode 2). The column
// menu steers which cells count.
namespace CSVSearchFilter {

// The search text changed: filters the rows again (an empty text shows all rows), keeping
// selected the selected rows that are still shown, matched by identity.
void searchStringDidChanged(CSVDocument &document, const QString &text);
// The user chose item index of the column menu. The new choice counts from the next change of
// the search text.
void searchMenuItemSelected(CSVDocument &document, qsizetype index);
// Makes the column menu anew from the columns: all columns, none ticked.
void buildAndSetSearchMenu(CSVDocument &document);
// When the search field holds text: empties it, shows all rows (the selection stays), and
// forgets the find results. Otherwise nothing happens.
void resetSearchField(CSVDocument &document);

} // namespace CSVSearchFilter

#pragma once

#include "document/CSVTableColumn.h"

#include "foundation/IndexSet.h"

#include <QString>

class CSVDocument;

// The column commands that need no question. Widths and alignment are view settings: no undo
// step, no unsaved change.
namespace CSVColumnCommands {

// Shows count new columns from display position index on, each at the next cell position
// never used, and gives every row its empty cells. Undo hides the columns only: the cells stay
// and the positions stay used, so a later new column is numbered after them.
void insertEmptyColumns(CSVDocument &document, qint64 index, qint64 count);

// Forgets the find result, then appends one empty column at the right, selected and scrolled
// to: step "LSUDAddColumn".
void addNewColumn(CSVDocument &document);

// Retitles a shown column, even to the same or an empty title: step "LSUDEditColumnTitle".
void setTitle(CSVDocument &document, const CSVTableColumn &column, const QString &title);

// Hides the shown columns at these display positions (a copy: removing changes the
// selection), the last first; their cells stay.
void removeColumns(CSVDocument &document, IndexSet indexes);

void setAlignmentForSelectedColumns(CSVDocument &document, TextAlignment alignment);

} // namespace CSVColumnCommands

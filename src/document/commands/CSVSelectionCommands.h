#pragma once

class CSVDocument;

// Selection commands: not undoable, no unsaved change.
namespace CSVSelectionCommands {

// Selects exactly the visible rows that were not selected.
void invertSelection(CSVDocument &document);
// Selects no rows and no columns.
void deselectAll(CSVDocument &document);

} // namespace CSVSelectionCommands

#pragma once

#include <functional>

class CSVDocument;
class QTextStream;

// Times one undoable change, its undo and its redo, and prints the three figures with the row
// counts on one line; the document ends as it was before the change.
void timeChangeUndoRedo(QTextStream &out, const char *label, CSVDocument &document,
                        const std::function<void()> &change);

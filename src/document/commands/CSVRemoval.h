#pragma once

#include "foundation/IndexSet.h"

class CSVDocument;

// Removing the selected rows or columns. The user confirms it in a question the window asks,
// unless they ticked "do not ask again" for that kind before; the answer comes back here.
class CSVRemoval
{
public:
    enum class Kind { Rows, Columns };

    // Takes the selection of that kind now: the rows or columns selected when the user asked
    // are the ones removed.
    CSVRemoval(CSVDocument &document, Kind kind);

    // Nothing selected: nothing to ask, nothing to do.
    bool isEmpty() const { return m_indexes.isEmpty(); }
    bool isQuestionSuppressed() const;

    // The user's answer; without a question, confirmed and nothing ticked. Any answer to a row
    // removal forgets the find result, which empties the row selection. A confirmed answer
    // removes, as one step ("LSUDRemoveRow", "LSUDRemoveColumn"), and only then stores the
    // ticked suppression box.
    void answer(bool confirmed, bool suppressFromNowOn);

private:
    void removeRows();
    void removeColumns();

    CSVDocument &m_document;
    Kind m_kind;
    IndexSet m_indexes;
};

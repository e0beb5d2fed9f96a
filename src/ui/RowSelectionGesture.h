#pragma once

#include "foundation/IndexSet.h"

#include <QItemSelectionModel>

// Turns the selection commands a table view derives from clicks, drags and keys into the row
// selection the document keeps, the way a selection model would apply them: a command without
// QItemSelectionModel::Current commits what came before, one with Current replaces the rows of
// the gesture under way (a drag, a shift-click). The document's selection is the only one; the
// view shows it.
class RowSelectionGesture
{
public:
    // The committed rows changed outside any gesture (a command selected rows).
    void restart(const IndexSet &committed);

    // The rows selected once the command applies to rows, given those selected now.
    IndexSet apply(const IndexSet &selected, const IndexSet &rows,
                   QItemSelectionModel::SelectionFlags command);

private:
    IndexSet m_committed;
    IndexSet m_current;
    QItemSelectionModel::SelectionFlags m_currentCommand;
};

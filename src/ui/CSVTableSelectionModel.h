#pragma once

#include "foundation/IndexSet.h"

#include <QItemSelectionModel>

#include <functional>

// The selection model of a document's table. The document owns the selection, so every
// selection the view or its headers make here (a click on a row number, an arrow key) goes to
// the document instead of being kept. What the model holds is the document's selection on the
// rows in view, put there by the view: the view's own click handling (does a ctrl-click
// deselect?) and accessibility ask about those rows only, and a copy of all of it would cost
// quadratic time in QItemSelection once a selection runs to thousands of separate rows.
class CSVTableSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    // Applies the command to the rows, in the document.
    using RowSelector = std::function<void(const IndexSet &rows, SelectionFlags command)>;

    CSVTableSelectionModel(QAbstractItemModel *model, RowSelector selectRows,
                           QObject *parent = nullptr);

    using QItemSelectionModel::select;
    void select(const QItemSelection &selection, SelectionFlags command) override;

    // Holds the part of the document's selection that is in view.
    void show(const QItemSelection &selection);

    // The model was reset (its row count changed, a filter say): what the model holds goes,
    // the document's selection stays.
    void reset() override;

private:
    RowSelector m_selectRows;
    bool m_isResetting = false;
};

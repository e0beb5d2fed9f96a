#pragma once

#include <QTableView>

// The rules table of the cell colour pane: whole rows are selected and dragged between other
// rows to reorder them; a click on a rule's check box switches it without changing the
// selection.
class CellColorRulesTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CellColorRulesTableView(QWidget *parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};

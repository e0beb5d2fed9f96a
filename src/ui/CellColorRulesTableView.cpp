#include "CellColorRulesTableView.h"

#include "CellColorRulesModel.h"

#include <QEvent>
#include <QHeaderView>

CellColorRulesTableView::CellColorRulesTableView(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(false);
    setDropIndicatorShown(true);
    setDefaultDropAction(Qt::MoveAction);
    setShowGrid(false);
    setWordWrap(false);
    setIconSize(QSize(48, 16));
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
}

QItemSelectionModel::SelectionFlags
CellColorRulesTableView::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const bool click = event && (event->type() == QEvent::MouseButtonPress ||
                                 event->type() == QEvent::MouseButtonRelease);
    if (click && index.column() == CellColorRulesModel::ActiveColumn)
        return QItemSelectionModel::NoUpdate;
    return QTableView::selectionCommand(index, event);
}

#include "CSVTableSelectionModel.h"

CSVTableSelectionModel::CSVTableSelectionModel(QAbstractItemModel *model, RowSelector selectRows,
                                               QObject *parent)
    : QItemSelectionModel(model, parent), m_selectRows(std::move(selectRows))
{}

void CSVTableSelectionModel::select(const QItemSelection &selection, SelectionFlags command)
{
    if (m_isResetting) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    IndexSet rows;
    for (const QItemSelectionRange &range : selection) {
        if (range.isValid())
            rows.addRange(range.top(), range.height());
    }
    m_selectRows(rows, command);
}

void CSVTableSelectionModel::show(const QItemSelection &selection)
{
    QItemSelectionModel::select(selection, ClearAndSelect);
}

void CSVTableSelectionModel::reset()
{
    m_isResetting = true;
    QItemSelectionModel::reset();
    m_isResetting = false;
}

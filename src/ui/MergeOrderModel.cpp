#include "MergeOrderModel.h"

#include <QMimeData>

MergeOrderModel::MergeOrderModel(std::vector<CSVMergeColumns::Entry> entries, QObject *parent)
    : QAbstractListModel(parent), m_entries(std::move(entries))
{}

int MergeOrderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant MergeOrderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_entries.at(size_t(index.row())).name;
}

Qt::ItemFlags MergeOrderModel::flags(const QModelIndex &index) const
{
    // Only the list itself takes drops, which makes every drop land between two entries.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList MergeOrderModel::mimeTypes() const
{
    return {QString::fromLatin1(s_dragType)};
}

QMimeData *MergeOrderModel::mimeData(const QModelIndexList &indexes) const
{
    if (m_entries.size() < 2)
        return nullptr;
    m_indexesOfMovedRows.clear();
    for (const QModelIndex &index : indexes)
        m_indexesOfMovedRows.add(index.row());
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(s_dragType), {});
    return data;
}

Qt::DropActions MergeOrderModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool MergeOrderModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int row, int,
                                      const QModelIndex &parent) const
{
    return data && data->hasFormat(QString::fromLatin1(s_dragType)) && !parent.isValid() &&
           !m_indexesOfMovedRows.isEmpty() && !m_indexesOfMovedRows.contains(row);
}

// A drop past the last entry reports row -1: the end of the list.
bool MergeOrderModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row,
                                   int column, const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    beginResetModel();
    CSVMergeColumns::moveEntries(m_entries, m_indexesOfMovedRows,
                                 row < 0 ? qint64(m_entries.size()) : row);
    m_indexesOfMovedRows.clear();
    endResetModel();
    return true;
}

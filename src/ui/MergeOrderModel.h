#pragma once

#include "document/commands/CSVMergeColumns.h"

#include <QAbstractListModel>

// The merge sheet's order list: one row per column to merge, showing its title. The user drags
// entries within the list to reorder them; a list of one entry cannot be dragged, and a drop
// lands between entries, never onto one.
class MergeOrderModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr char s_dragType[] = "DRAGGING_TYPE_MERGE_ORDERING";

    explicit MergeOrderModel(std::vector<CSVMergeColumns::Entry> entries,
                             QObject *parent = nullptr);

    const std::vector<CSVMergeColumns::Entry> &entries() const { return m_entries; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The drag carries no data: the model holds the dragged rows until the drop.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

private:
    std::vector<CSVMergeColumns::Entry> m_entries;
    mutable IndexSet m_indexesOfMovedRows;
};

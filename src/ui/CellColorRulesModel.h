#pragma once

#include "foundation/IndexSet.h"

#include <QAbstractTableModel>

#include <optional>

class CSVRulesManager;

// The rules table of the cell colour pane: one row per rule of the store, in its order, with
// the columns "active" (a check box, the only thing changed in place), "name" and "color" (a
// swatch). Rows are reordered by dragging them between other rows.
class CellColorRulesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ActiveColumn, NameColumn, ColorColumn, ColumnCount };
    static constexpr char s_dragType[] = "DRAGGING_TYPE_CellColorOrdering";

    explicit CellColorRulesModel(CSVRulesManager &store, QObject *parent = nullptr);

    // The store changed: shows it again.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Dragging: the dragged rows stay here, the drag carries the private type with no data.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

private:
    CSVRulesManager &m_store;
    mutable std::optional<IndexSet> m_indexesOfMovedRows;
};

#include "CellColorRulesModel.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNColors.h"
#include "rules/CSVRulesManager.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>

CellColorRulesModel::CellColorRulesModel(CSVRulesManager &store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store)
{}

void CellColorRulesModel::reload()
{
    beginResetModel();
    endResetModel();
}

int CellColorRulesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_store.numberOfRules());
}

int CellColorRulesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CellColorRulesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_store.numberOfRules())
        return {};
    const CSVRuleData &rule = *m_store.ruleAtIndex(index.row());
    switch (index.column()) {
    case ActiveColumn:
        if (role == Qt::CheckStateRole)
            return rule.isActive() ? Qt::Checked : Qt::Unchecked;
        break;
    case NameColumn:
        if (role == Qt::DisplayRole)
            return rule.name();
        if (role == Qt::ToolTipRole)
            return rule.problem().isEmpty() ? rule.name() : rule.problem();
        if (role == Qt::DecorationRole && !rule.problem().isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        break;
    case ColorColumn:
        if (role == Qt::DecorationRole)
            return ZRNColors::toQColor(rule.cellColor());
        break;
    }
    return {};
}

// Only the check box changes a value in place; the store tells the windows and saves.
bool CellColorRulesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != ActiveColumn || role != Qt::CheckStateRole ||
        index.row() >= m_store.numberOfRules())
        return false;
    m_store.ruleAtIndex(index.row())->setActive(value.toInt() == Qt::Checked);
    m_store.rulesDidChanged();
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CellColorRulesModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.column() == ActiveColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant CellColorRulesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const s_titles[ColumnCount] = {
        "CellColorPrefActiveColumn", "CellColorPrefNameColumn", "CellColorPrefColorColumn"};
    return section >= 0 && section < ColumnCount ? localized(s_titles[section]) : QVariant();
}

QStringList CellColorRulesModel::mimeTypes() const
{
    return {QString::fromLatin1(s_dragType)};
}

// A single rule has nowhere to go.
QMimeData *CellColorRulesModel::mimeData(const QModelIndexList &indexes) const
{
    if (m_store.numberOfRules() < 2 || indexes.isEmpty())
        return nullptr;
    IndexSet rows;
    for (const QModelIndex &index : indexes)
        rows.add(index.row());
    m_indexesOfMovedRows = rows;
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(s_dragType), QByteArray());
    return data;
}

Qt::DropActions CellColorRulesModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

// Only between rows (a drop above a row, or below the last), and not at a dragged row.
bool CellColorRulesModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int row, int,
                                          const QModelIndex &parent) const
{
    return data && data->hasFormat(QString::fromLatin1(s_dragType)) && !parent.isValid() &&
           row >= 0 && m_indexesOfMovedRows && !m_indexesOfMovedRows->contains(row);
}

bool CellColorRulesModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row,
                                       int column, const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    m_store.moveRules(*m_indexesOfMovedRows, row);
    m_store.rulesDidChanged();
    reload();
    return true;
}

#include "OpenAssistantPreviewModel.h"

#include "document/CSVOpenAssistantPreview.h"

OpenAssistantPreviewModel::OpenAssistantPreviewModel(const CSVOpenAssistantPreview &preview,
                                                     QObject *parent)
    : QAbstractTableModel(parent), m_preview(preview), m_titles(preview.columnTitles())
{}

void OpenAssistantPreviewModel::reload()
{
    beginResetModel();
    m_titles = m_preview.columnTitles();
    endResetModel();
}

int OpenAssistantPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_preview.rows().size());
}

int OpenAssistantPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant OpenAssistantPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return m_preview.cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant OpenAssistantPreviewModel::headerData(int section, Qt::Orientation orientation,
                                               int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return m_titles.value(section);
}

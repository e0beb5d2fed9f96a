#include "CSVTableModel.h"

#include "TableCellText.h"

#include "document/CSVDocument.h"

namespace {

Qt::Alignment alignmentFor(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TextAlignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

CSVTableModel::CSVTableModel(CSVDocument &document, QObject *parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_rowCount(int(document.numberOfRowsInTableView()))
    , m_columnCount(int(document.tableColumns().count()))
    , m_synchronization(this, [this] { synchronize(); })
{
    connect(&document, &CSVDocument::reloadData, this, [this] { m_synchronization.schedule(); });
    connect(&document, &CSVDocument::columnsChanged, this,
            [this] { m_synchronization.schedule(); });
}

int CSVTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int CSVTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

// Between a change and the synchronisation the document may hold fewer rows or columns than
// announced; those cells read as empty until the model catches up.
bool CSVTableModel::isInShape(const QModelIndex &index) const
{
    return index.isValid() && index.row() < m_document.numberOfRowsInTableView() &&
           index.column() < m_document.tableColumns().count();
}

QVariant CSVTableModel::data(const QModelIndex &index, int role) const
{
    if (!isInShape(index))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return TableCellText::shown(m_document.cellViewForTableColumn(index.column(), index.row()));
    case Qt::EditRole:
        return m_document.objectValueForTableColumn(index.column(), index.row());
    case NeedsTextAreaRole:
        return TableCellText::needsTextArea(
            m_document.cellViewForTableColumn(index.column(), index.row()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            alignmentFor(m_document.tableColumns().at(index.column()).contentAlignment()));
    default:
        return {};
    }
}

bool CSVTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !isInShape(index) ||
        !m_document.shouldEditTableColumn(index.column(), index.row()))
        return false;
    m_document.setObjectValueForTableColumn(value.toString(), index.column(), index.row());
    return true;
}

Qt::ItemFlags CSVTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (isInShape(index) && m_document.shouldEditTableColumn(index.column(), index.row()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant CSVTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section >= m_document.tableColumns().count())
        return {};
    const CSVTableColumn &column = m_document.tableColumns().at(section);
    switch (role) {
    case Qt::DisplayRole:
        return column.title();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentFor(column.headerAlignment()));
    default:
        return {};
    }
}

void CSVTableModel::synchronize()
{
    if (!m_synchronization.isPending())
        return;
    m_synchronization.cancel();
    const int rows = int(m_document.numberOfRowsInTableView());
    const int columns = int(m_document.tableColumns().count());
    if (rows != m_rowCount || columns != m_columnCount) {
        beginResetModel();
        m_rowCount = rows;
        m_columnCount = columns;
        endResetModel();
    } else if (columns > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
        if (rows > 0)
            emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
    }
    emit synchronized();
}

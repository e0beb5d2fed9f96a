#include "CSVTableModel.h"

#include "TableCellText.h"

#include "document/CSVDocument.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNColors.h"
#include "rules/CSVRulesManager.h"

#include <QBrush>

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
    , m_rowCount(int(std::min<qint64>(document.numberOfRowsInTableView(), s_rowsPerPass)))
    , m_columnCount(int(document.tableColumns().count()))
    , m_synchronization(this, [this] { synchronize(); })
{
    connect(&document, &CSVDocument::reloadData, this,
            [this] { noteRows(PendingRows::Reset, 0, 0); });
    connect(&document, &CSVDocument::rowsInserted, this,
            [this](qint64 first, qint64 count) { noteRows(PendingRows::Inserted, first, count); });
    connect(&document, &CSVDocument::rowsRemoved, this,
            [this](qint64 first, qint64 count) { noteRows(PendingRows::Removed, first, count); });
    connect(&document, &CSVDocument::cellChanged, this, &CSVTableModel::noteCell);
    connect(&document, &CSVDocument::columnsChanged, this, &CSVTableModel::noteAllCells);
    m_nextBlock.setSingleShot(true);
    m_nextBlock.setInterval(0);
    connect(&m_nextBlock, &QTimer::timeout, this, &CSVTableModel::noteRowsNotTold);
    if (document.numberOfRowsInTableView() > m_rowCount)
        m_nextBlock.start();
    readCellColoring();
    for (const char *name : {"PrefsChanged", "CSVRulesManagerRulesDidChanged"}) {
        NotificationCenter::defaultCenter().addObserver(
            this, QString::fromLatin1(name), [this](const Notification &) { handlePrefsChange(); });
    }
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
    case Qt::BackgroundRole:
        return cellBackground(index);
    default:
        return {};
    }
}

// A transparent colour is no background: the row's own shows through.
QVariant CSVTableModel::cellBackground(const QModelIndex &index) const
{
    if (!m_drawsCellBackgrounds)
        return {};
    const RGBAColor &color = CSVRulesManager::sharedManager().colorMatchingString(
        m_document.cellTextForTableColumn(index.column(), index.row()));
    if (color.isTransparent())
        return {};
    return QBrush(ZRNColors::toQColor(color));
}

void CSVTableModel::readCellColoring()
{
    m_drawsCellBackgrounds = UserDefaults::standard().boolForKey(
        QString::fromLatin1(DefaultsKeys::DrawCellBackgroundColor));
}

// The settings or the rules changed: every cell in view is drawn again with its new colour.
void CSVTableModel::handlePrefsChange()
{
    readCellColoring();
    if (m_rowCount > 0 && m_columnCount > 0)
        emit dataChanged(index(0, 0), index(m_rowCount - 1, m_columnCount - 1));
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
        flags |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
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

void CSVTableModel::schedule()
{
    m_synchronization.schedule();
    emit changePending();
}

// Blocks that follow on (rows added one after another, or removed one after another at the
// same place or going up) stay one block.
void CSVTableModel::noteRows(PendingRows::Kind kind, qint64 first, qint64 count)
{
    PendingRows &pending = m_pendingRows;
    if (pending.kind == PendingRows::None) {
        pending = {kind, first, count};
    } else if (kind == pending.kind && kind == PendingRows::Inserted && first >= pending.first &&
               first <= pending.first + pending.count) {
        pending.count += count;
    } else if (kind == pending.kind && kind == PendingRows::Removed &&
               (first == pending.first || first + count == pending.first)) {
        pending.first = std::min(pending.first, first);
        pending.count += count;
    } else {
        pending.kind = PendingRows::Reset;
    }
    schedule();
}

void CSVTableModel::noteCell(const CSVRowPtr &row, qint64 position)
{
    if (!m_allCellsChanged && m_changedCells.size() < s_cellsToldOneByOne)
        m_changedCells.push_back({row, position});
    else
        m_allCellsChanged = true;
    schedule();
}

void CSVTableModel::noteAllCells()
{
    m_allCellsChanged = true;
    schedule();
}

// A change of every cell resets the text of an open editor; a change of its own cell only does
// that, so a cell changed elsewhere is told as that cell alone.
void CSVTableModel::tellChangedCells(int rows, int columns)
{
    if (rows == 0 || columns == 0)
        return;
    if (m_allCellsChanged) {
        emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
        emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
        return;
    }
    const CSVRowList &visible = m_document.displayRowArrays();
    const CSVTableColumns &shown = m_document.tableColumns();
    for (const ChangedCell &cell : m_changedCells) {
        const auto found = std::find(visible.begin(), visible.end(), cell.row);
        if (found == visible.end() || found - visible.begin() >= rows)
            continue;
        const int row = int(found - visible.begin());
        for (int column = 0; column < columns; ++column) {
            if (cell.position < 0 || shown.at(column).position() == cell.position)
                emit dataChanged(index(row, column), index(row, column));
        }
    }
}

// Tells the views of the block of rows; false when the document's row count does not agree
// with it, and a reset must tell them instead.
bool CSVTableModel::applyPendingRows(int rows)
{
    const PendingRows &pending = m_pendingRows;
    const int first = int(pending.first);
    const int last = int(pending.first + pending.count - 1);
    if (pending.kind == PendingRows::None)
        return rows == m_rowCount;
    if (pending.kind == PendingRows::Inserted && rows == m_rowCount + pending.count &&
        first <= m_rowCount) {
        const int told =
            first == m_rowCount ? std::min(int(pending.count), s_rowsPerPass) : int(pending.count);
        beginInsertRows({}, first, first + told - 1);
        m_rowCount += told;
        endInsertRows();
        return true;
    }
    if (pending.kind == PendingRows::Removed && rows == m_rowCount - pending.count &&
        last < m_rowCount) {
        beginRemoveRows({}, first, last);
        m_rowCount = rows;
        endRemoveRows();
        return true;
    }
    return false;
}

void CSVTableModel::resetTo(int rows, int columns)
{
    beginResetModel();
    m_rowCount = rows;
    m_columnCount = columns;
    endResetModel();
}

void CSVTableModel::synchronize()
{
    if (!m_synchronization.isPending())
        return;
    m_synchronization.cancel();
    const int rows = int(m_document.numberOfRowsInTableView());
    const int columns = int(m_document.tableColumns().count());
    const bool told = columns == m_columnCount && m_pendingRows.kind != PendingRows::Reset &&
                      applyPendingRows(rows);
    m_pendingRows = {};
    if (told)
        tellChangedCells(m_rowCount, columns);
    else
        resetTo(std::min(rows, std::max(m_rowCount, s_rowsPerPass)), columns);
    m_changedCells.clear();
    m_allCellsChanged = false;
    if (rows > m_rowCount)
        m_nextBlock.start();
    emit synchronized();
}

// The rows not told yet, as added at the end.
void CSVTableModel::noteRowsNotTold()
{
    const qint64 rows = m_document.numberOfRowsInTableView();
    if (rows > m_rowCount)
        noteRows(PendingRows::Inserted, m_rowCount, rows - m_rowCount);
}

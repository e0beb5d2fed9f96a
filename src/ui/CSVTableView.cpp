#include "CSVTableView.h"

#include "CSVTableCellDelegate.h"
#include "CSVTableColumnHeaderView.h"
#include "CSVTableModel.h"
#include "CSVTableSelectionModel.h"
#include "LongCellEditor.h"

#include "document/CSVDocument.h"
#include "kit/ZRNLineNumberRulerWithMarker.h"

#include <QCoreApplication>
#include <QDrag>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <unordered_map>
#include <vector>

namespace {

// Room around the text of a cell, as the cell editor needs it.
constexpr int s_rowPadding = 6;

} // namespace

CSVTableView::CSVTableView(CSVDocument &document, const QFont &font, QWidget *parent)
    : QTableView(parent)
    , m_document(document)
    , m_model(new CSVTableModel(document, this))
    , m_selectionModel(new CSVTableSelectionModel(
          m_model,
          [this](const IndexSet &rows, QItemSelectionModel::SelectionFlags command) {
              selectRowsFromGesture(rows, command);
          },
          this))
    , m_header(new CSVTableColumnHeaderView(this))
    , m_ruler(new ZRNLineNumberRulerWithMarker(this))
    , m_synchronization(this, [this] { synchronize(); })
{
    setHorizontalHeader(m_header);
    setVerticalHeader(m_ruler);
    setTableFont(font);
    setModel(m_model);
    QItemSelectionModel *standardSelectionModel = selectionModel();
    setSelectionModel(m_selectionModel);
    delete standardSelectionModel;
    setItemDelegate(new CSVTableCellDelegate(
        [this](const QModelIndex &index) { return showsCellSelected(index); },
        [this](const QModelIndex &index) { return index == currentIndex(); }, this));
    m_ruler->setRowSelectionTest([this](int row) { return showsRowSelected(row); });
    m_header->setSelectionState([this](int column) { return columnSelectionState(column); });
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // As in a spreadsheet: typing replaces the current cell's text, F2 and Enter edit it.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setAcceptDrops(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_header->setMinimumSectionSize(int(CSVTableColumn::s_minimumWidth));
    m_header->setSectionsMovable(true);
    m_header->setTextElideMode(Qt::ElideRight);

    connect(m_model, &CSVTableModel::synchronized, this, [this] {
        applyColumnWidths();
        applySelection();
    });
    connect(&document, &CSVDocument::selectionChanged, this, [this] {
        if (!m_selectingFromGesture)
            m_gesture.restart(m_document.selectedRowIndexes());
        m_synchronization.schedule();
    });
    connect(m_model, &CSVTableModel::changePending, this, [this] { m_synchronization.schedule(); });
    connect(&document, &CSVDocument::scrollRowToVisible, this, [this](qint64 row) {
        m_pendingRowScroll = row;
        m_synchronization.schedule();
    });
    connect(&document, &CSVDocument::scrollColumnToVisible, this, [this](qint64 column) {
        m_pendingColumnScroll = column;
        m_synchronization.schedule();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CSVTableView::showSelectionInView);
    connect(m_header, &QHeaderView::sectionPressed, this, &CSVTableView::selectColumnFromHeader);
    connect(m_header, &QHeaderView::sectionMoved, this,
            [this](int, int oldVisual, int newVisual) { columnMoved(oldVisual, newVisual); });
    connect(m_header, &QHeaderView::sectionResized, this,
            [this](int column, int, int newSize) { columnResized(column, newSize); });
    connect(m_header, &QHeaderView::sectionDoubleClicked, this,
            &CSVTableView::columnHeaderDoubleClicked);
    applyColumnWidths();
    applySelection();
}

int CSVTableView::rowHeightForFont(const QFont &font)
{
    return QFontMetrics(font).height() + s_rowPadding;
}

void CSVTableView::setTableFont(const QFont &font)
{
    setFont(font);
    const int height = rowHeightForFont(font);
    if (height > 0 && height != m_ruler->defaultSectionSize()) {
        // The header tells of every row resized, one at a time: a million rows would keep the
        // window from drawing for a while. One layout of the whole does the same.
        const QSignalBlocker blocker(m_ruler);
        m_ruler->setDefaultSectionSize(height);
        updateGeometries();
    }
    viewport()->update();
    m_ruler->viewport()->update();
}

void CSVTableView::synchronize()
{
    m_synchronization.cancel();
    if (m_model->isSynchronizationPending())
        synchronizeModel();
    else
        applySelection();
    applyPendingScrolls();
}

// The model puts widths and selection back through synchronized(). A reset loses the current
// cell; it comes back where it was, as near as the new shape allows.
void CSVTableView::synchronizeModel()
{
    const QModelIndex before = currentIndex();
    const int row = before.row();
    const int column = before.column();
    m_model->synchronize();
    const int rows = m_model->rowCount();
    const int columns = m_model->columnCount();
    if (before.isValid() && !currentIndex().isValid() && rows > 0 && columns > 0)
        selectionModel()->setCurrentIndex(
            m_model->index(std::min(row, rows - 1), std::min(column, columns - 1)),
            QItemSelectionModel::NoUpdate);
}

bool CSVTableView::showsCellSelected(const QModelIndex &index) const
{
    return m_document.selectedRowIndexes().contains(index.row()) ||
           m_document.selectedColumnIndexes().contains(index.column());
}

// A row's number shows as selected when all the row's cells are.
bool CSVTableView::showsRowSelected(int row) const
{
    const int columns = m_model->columnCount();
    return m_document.selectedRowIndexes().contains(row) ||
           (columns > 0 && m_document.selectedColumnIndexes().containsRange(0, columns));
}

// As a header shows a selection model's selection: pressed in when all the column's cells are
// selected, highlighted when some are.
QStyle::State CSVTableView::columnSelectionState(int column) const
{
    const IndexSet &rows = m_document.selectedRowIndexes();
    const int rowCount = m_model->rowCount();
    if (m_document.selectedColumnIndexes().contains(column) ||
        (rowCount > 0 && rows.containsRange(0, rowCount)))
        return QStyle::State_On | QStyle::State_Sunken;
    return rows.intersectsRange(0, rowCount) ? QStyle::State_On : QStyle::State_None;
}

void CSVTableView::applySelection()
{
    showSelectionInView();
    viewport()->update();
    m_ruler->viewport()->update();
    m_header->viewport()->update();
}

// The selection model gets the document's selection on the rows in view (rows across all
// columns, columns across those rows): a few dozen ranges, however scattered the selection.
void CSVTableView::showSelectionInView()
{
    const int rows = m_model->rowCount();
    const int columns = m_model->columnCount();
    QItemSelection selection;
    if (rows > 0 && columns > 0) {
        const int first = std::max(0, rowAt(0));
        // Every row is as high as the others (the font decides), so this many fit in view.
        const int fitting = viewport()->height() / std::max(1, rowHeight(first)) + 1;
        const int last = std::min(rows - 1, first + fitting);
        const IndexSet inView =
            m_document.selectedRowIndexes().indexesInRange(first, last - first + 1);
        for (const IndexSet::Range &range : inView.ranges())
            selection.select(m_model->index(int(range.location), 0),
                             m_model->index(int(range.end() - 1), columns - 1));
        const IndexSet selectedColumns =
            m_document.selectedColumnIndexes().indexesInRange(0, columns);
        for (const IndexSet::Range &range : selectedColumns.ranges())
            selection.select(m_model->index(first, int(range.location)),
                             m_model->index(last, int(range.end() - 1)));
    }
    m_selectionModel->show(selection);
}

void CSVTableView::updateGeometries()
{
    QTableView::updateGeometries();
    showSelectionInView();
}

void CSVTableView::commitOpenEditor()
{
    if (state() != EditingState)
        return;
    if (QWidget *editor = indexWidget(m_editedIndex)) {
        commitData(editor);
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

// The window's Cut, Copy and Paste act on rows and columns: the view does not copy the current
// cell's text when they are not offered.
void CSVTableView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Paste)) {
        event->ignore();
        return;
    }
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isEnter && event->modifiers() == Qt::NoModifier && state() != EditingState &&
        edit(currentIndex(), EditKeyPressed, event))
        return;
    QTableView::keyPressEvent(event);
}

// F2 and Enter edit the cell keeping its text, the cursor at its end; a double-click selects the
// text, and a typed character replaces it.
bool CSVTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!QTableView::edit(index, trigger, event))
        return false;
    if (state() == EditingState) {
        m_editedIndex = index;
        if (trigger == EditKeyPressed)
            placeCursorAtEnd(indexWidget(index));
    }
    return true;
}

void CSVTableView::placeCursorAtEnd(QWidget *editor)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->end(false);
    else if (auto *area = qobject_cast<LongCellEditor *>(editor))
        area->placeCursorAtEnd();
}

// Enter commits and moves down, Tab right, Shift+Tab left; Escape only cancels.
void CSVTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    switch (hint) {
    case QAbstractItemDelegate::SubmitModelCache:
        moveCurrentCell(MoveDown);
        break;
    case QAbstractItemDelegate::EditNextItem:
        moveCurrentCell(MoveNext);
        break;
    case QAbstractItemDelegate::EditPreviousItem:
        moveCurrentCell(MovePrevious);
        break;
    default:
        break;
    }
}

void CSVTableView::moveCurrentCell(CursorAction direction)
{
    const QModelIndex next = moveCursor(direction, Qt::NoModifier);
    if (next.isValid())
        selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
}

// The width most columns share goes to the header as its default size, in one pass over the
// sections; only the columns of other widths are then resized one by one. Resizing every one of
// a million sections alone takes time linear in their number each, and never ends.
void CSVTableView::applyColumnWidths()
{
    const CSVTableColumns &tableColumns = m_document.tableColumns();
    const int count = int(std::min<qint64>(tableColumns.count(), m_model->columnCount()));
    std::vector<int> widths(size_t(count), 0);
    std::unordered_map<int, int> uses;
    for (int column = 0; column < count; ++column)
        ++uses[widths[size_t(column)] = qRound(tableColumns.at(column).width())];
    const auto common = std::max_element(uses.begin(), uses.end(),
                                         [](auto &a, auto &b) { return a.second < b.second; });
    m_applyingDocument = true;
    if (common != uses.end() && m_header->defaultSectionSize() != common->first)
        m_header->setDefaultSectionSize(common->first);
    for (int column = 0; column < count; ++column) {
        if (m_header->sectionSize(column) != widths[size_t(column)])
            m_header->resizeSection(column, widths[size_t(column)]);
    }
    m_applyingDocument = false;
}

// A row or column the document asks to show (one just added, say) becomes the current cell's
// row or column, so the keys go on from there. A row the model has yet to tell of waits for it.
void CSVTableView::applyPendingScrolls()
{
    if (m_pendingRowScroll >= m_model->rowCount() &&
        m_pendingRowScroll < m_document.numberOfRowsInTableView())
        return;
    if (m_model->columnCount() == 0 || m_model->rowCount() == 0) {
        m_pendingRowScroll = m_pendingColumnScroll = NotFound;
        return;
    }
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : std::max(0, rowAt(0));
    int column = current.isValid() ? current.column() : std::max(0, columnAt(0));
    if (m_pendingRowScroll < m_model->rowCount())
        row = int(m_pendingRowScroll);
    if (m_pendingColumnScroll < m_model->columnCount())
        column = int(m_pendingColumnScroll);
    if (m_pendingRowScroll != NotFound || m_pendingColumnScroll != NotFound) {
        const QModelIndex shown = m_model->index(row, column);
        // The scroll bars must know of new rows and columns, and of their widths.
        executeDelayedItemsLayout();
        updateGeometries();
        selectionModel()->setCurrentIndex(shown, QItemSelectionModel::NoUpdate);
        scrollTo(shown);
    }
    m_pendingRowScroll = m_pendingColumnScroll = NotFound;
}

void CSVTableView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    IndexSet rows;
    const QRect area = rect.normalized();
    const int top = rowAt(area.top());
    const int bottom = rowAt(area.bottom());
    if (top >= 0 || bottom >= 0) {
        const int first = top >= 0 ? top : 0;
        const int last = bottom >= 0 ? bottom : m_model->rowCount() - 1;
        rows.addRange(first, last - first + 1);
    }
    selectRowsFromGesture(rows, command);
}

// Clicks, drags and keys on the cells or the row numbers change the document's selection.
void CSVTableView::selectRowsFromGesture(const IndexSet &rows,
                                         QItemSelectionModel::SelectionFlags command)
{
    if (command == QItemSelectionModel::NoUpdate)
        return;
    const IndexSet selected = m_gesture.apply(m_document.selectedRowIndexes(), rows, command);
    m_selectingFromGesture = true;
    if (command & QItemSelectionModel::Clear)
        m_document.selectColumnIndexes({}, false);
    m_document.selectRowIndexes(selected, false);
    m_selectingFromGesture = false;
    if (!m_model->isSynchronizationPending())
        applySelection();
}

void CSVTableView::selectAll()
{
    m_document.selectColumnIndexes({}, false);
    m_document.selectRowIndexes(IndexSet::fromRange(0, m_document.numberOfRowsInTableView()),
                                false);
}

// A click on a column header selects the column (with Ctrl, adds or removes it; with Shift,
// selects the columns from the last one clicked) and leaves no row selected.
void CSVTableView::selectColumnFromHeader(int column)
{
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    IndexSet columns;
    if (modifiers & Qt::ShiftModifier && m_columnAnchor != NotFound) {
        const qint64 first = std::min<qint64>(m_columnAnchor, column);
        columns.addRange(first, std::max<qint64>(m_columnAnchor, column) - first + 1);
    } else if (modifiers & Qt::ControlModifier) {
        columns = m_document.selectedColumnIndexes();
        if (columns.contains(column))
            columns.remove(column);
        else
            columns.add(column);
        m_columnAnchor = column;
    } else {
        columns.add(column);
        m_columnAnchor = column;
    }
    m_document.selectRowIndexes({}, false);
    m_document.selectColumnIndexes(columns, false);
}

// The header has moved the column on screen; the document moves it in its column list, and the
// header goes back to showing the columns in their logical order, which is now the new one.
void CSVTableView::columnMoved(int oldVisual, int newVisual)
{
    if (m_applyingDocument)
        return;
    m_applyingDocument = true;
    m_header->moveSection(newVisual, oldVisual);
    m_applyingDocument = false;
    m_document.tableViewColumnDidMove(oldVisual, newVisual);
    synchronize();
}

void CSVTableView::columnResized(int column, int newSize)
{
    if (m_applyingDocument || column >= m_document.tableColumns().count())
        return;
    m_document.setColumnWidth(column, newSize);
}

void CSVTableView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    setDragEnabled(index.isValid() && event->button() == Qt::LeftButton &&
                   !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) &&
                   m_document.selectedRowIndexes().contains(index.row()));
    QTableView::mousePressEvent(event);
}

void CSVTableView::startDrag(Qt::DropActions)
{
    if (!m_rowDrag.begin(m_document, m_document.selectedRowIndexes()))
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(makeRowDragData());
    drag->exec(Qt::MoveAction);
}

QByteArray CSVTableView::rowDragToken() const
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(quintptr(this));
}

QMimeData *CSVTableView::makeRowDragData() const
{
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(CSVRowDrag::s_draggingType), rowDragToken());
    return data;
}

// Rows dragged from another window, even of the same program, are not this table's to move.
bool CSVTableView::isOwnRowDrag(const QDropEvent *event) const
{
    return event->mimeData()->data(QString::fromLatin1(CSVRowDrag::s_draggingType)) ==
           rowDragToken();
}

// The gap a drop goes into: above the row under the point, or below it in its lower half.
qint64 CSVTableView::dropRowAt(const QPoint &position) const
{
    const int row = rowAt(position.y());
    if (row < 0)
        return m_model->rowCount();
    return position.y() > rowViewportPosition(row) + rowHeight(row) / 2 ? row + 1 : row;
}

void CSVTableView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!isOwnRowDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void CSVTableView::dragMoveEvent(QDragMoveEvent *event)
{
    QTableView::dragMoveEvent(event); // scrolls near the edges
    const qint64 row = dropRowAt(event->position().toPoint());
    const bool allowed = isOwnRowDrag(event) && m_rowDrag.validateDrop(row);
    setDropIndicatorRow(allowed ? row : NotFound);
    if (!allowed) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void CSVTableView::dragLeaveEvent(QDragLeaveEvent *event)
{
    QTableView::dragLeaveEvent(event);
    setDropIndicatorRow(NotFound);
}

void CSVTableView::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    setDropIndicatorRow(NotFound);
    if (!isOwnRowDrag(event) ||
        !m_rowDrag.acceptDrop(m_document, dropRowAt(event->position().toPoint()))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void CSVTableView::setDropIndicatorRow(qint64 row)
{
    if (row == m_dropIndicatorRow)
        return;
    m_dropIndicatorRow = row;
    viewport()->update();
}

void CSVTableView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    const int rows = m_model->rowCount();
    if (m_dropIndicatorRow == NotFound || rows == 0)
        return;
    const int y = m_dropIndicatorRow < rows ? rowViewportPosition(int(m_dropIndicatorRow))
                                            : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawLine(0, y, viewport()->width(), y);
}

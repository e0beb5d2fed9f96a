#pragma once

#include "RowSelectionGesture.h"

#include "document/commands/CSVRowDrag.h"
#include "kit/ZRNDeferredCall.h"

#include "foundation/NotFound.h"

#include <QStyle>
#include <QTableView>

class CSVDocument;
class CSVTableColumnHeaderView;
class CSVTableModel;
class CSVTableSelectionModel;
class QMimeData;
class ZRNLineNumberRulerWithMarker;

// The table of a document window. It shows the document through CSVTableModel, with the column
// header and the row-number ruler, and keeps the document's selection and column order as the
// only ones: a click, a drag, a key, a click on a row number or a header, or a header drag
// changes the document, and the view shows what the document then holds. The cells, the ruler
// and the header ask the document's selection as they paint, so showing a selection costs
// nothing per selected range.
class CSVTableView : public QTableView
{
    Q_OBJECT

public:
    // The font comes before the rows: set afterwards, it would resize every row.
    explicit CSVTableView(CSVDocument &document, const QFont &font = QFont(),
                          QWidget *parent = nullptr);

    CSVTableModel *tableModel() const { return m_model; }
    CSVTableColumnHeaderView *columnHeaderView() const { return m_header; }
    ZRNLineNumberRulerWithMarker *lineNumberView() const { return m_ruler; }

    // The row height follows the font: the height of a line of text in it.
    void setTableFont(const QFont &font);
    static int rowHeightForFont(const QFont &font);

    // Catches up with the document now rather than when control returns to the event loop.
    void synchronize();

    void selectAll() override;

    // Hands the text of an open cell editor to the document and closes the editor: whatever
    // reads the table next (a command, a save, a close) must see what the user typed.
    void commitOpenEditor();
    // What a row drag from this table carries: the drag type, with data that names this table
    // in this process, so that a drop from any other table is refused.
    QMimeData *makeRowDragData() const;

signals:
    // The user double-clicked a column header, at that display position.
    void columnHeaderDoubleClicked(int column);

protected:
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    void updateGeometries() override;
    void keyPressEvent(QKeyEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    // Rows are reordered by dragging selected rows; a drag that starts on a row not selected
    // selects rows instead.
    void mousePressEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void synchronizeModel();
    static void placeCursorAtEnd(QWidget *editor);
    void moveCurrentCell(CursorAction direction);
    void selectRowsFromGesture(const IndexSet &rows, QItemSelectionModel::SelectionFlags command);
    bool showsCellSelected(const QModelIndex &index) const;
    bool showsRowSelected(int row) const;
    QStyle::State columnSelectionState(int column) const;
    void applySelection();
    void showSelectionInView();
    void applyColumnWidths();
    void applyPendingScrolls();
    void selectColumnFromHeader(int column);
    void columnMoved(int oldVisual, int newVisual);
    void columnResized(int column, int newSize);
    QByteArray rowDragToken() const;
    bool isOwnRowDrag(const QDropEvent *event) const;
    qint64 dropRowAt(const QPoint &position) const;
    void setDropIndicatorRow(qint64 row);

    CSVDocument &m_document;
    CSVTableModel *m_model;
    CSVTableSelectionModel *m_selectionModel;
    CSVTableColumnHeaderView *m_header;
    ZRNLineNumberRulerWithMarker *m_ruler;
    RowSelectionGesture m_gesture;
    CSVRowDrag m_rowDrag;
    qint64 m_dropIndicatorRow = NotFound;
    ZRNDeferredCall m_synchronization;
    QPersistentModelIndex m_editedIndex;
    bool m_selectingFromGesture = false;
    bool m_applyingDocument = false;
    qint64 m_columnAnchor = NotFound;
    qint64 m_pendingRowScroll = NotFound;
    qint64 m_pendingColumnScroll = NotFound;
};

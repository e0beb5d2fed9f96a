#pragma once

#include "foundation/NotFound.h"

#include <QHeaderView>
#include <QPixmap>
#include <QStyle>

#include <functional>

class CSVTableHeaderViewDelegate;

// The column header of a document's table: the platform's header, with an arrow at the right of
// every column that opens the column's context menu, and a tint on the column a find has marked.
// A click anywhere but on the arrow selects, moves or resizes columns as usual.
class CSVTableColumnHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    explicit CSVTableColumnHeaderView(QWidget *parent = nullptr);

    void setDelegate(CSVTableHeaderViewDelegate *delegate) { m_delegate = delegate; }

    // The display position of the tinted column; NotFound for none.
    qint64 indexOfColumnToMark() const { return m_indexOfColumnToMark; }
    void setIndexOfColumnToMark(qint64 index);

    // How a column's header shows the selection, as the table's owner tells: QStyle::State_On
    // when the column holds selected cells, State_Sunken when all its cells are selected. The
    // selection model need not hold the whole selection, so the header does not ask it.
    using SelectionState = std::function<QStyle::State(int column)>;
    void setSelectionState(SelectionState state) { m_selectionState = std::move(state); }
    QStyle::State selectionState(int column) const;

    // The horizontal span, in viewport coordinates, whose click opens the column's menu.
    std::pair<int, int> arrowHotZone(int logicalIndex) const;
    // The room the arrow takes at the right of every header.
    int arrowSpace() const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int columnWithArrowAt(const QPoint &position) const;

    CSVTableHeaderViewDelegate *m_delegate = nullptr;
    qint64 m_indexOfColumnToMark = NotFound;
    SelectionState m_selectionState;
    QPixmap m_arrow;
};

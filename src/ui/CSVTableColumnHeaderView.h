#pragma once

#include "foundation/NotFound.h"

#include <QHeaderView>
#include <QPixmap>

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

    // The horizontal span, in viewport coordinates, whose click opens the column's menu.
    std::pair<int, int> arrowHotZone(int logicalIndex) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int columnWithArrowAt(const QPoint &position) const;

    CSVTableHeaderViewDelegate *m_delegate = nullptr;
    qint64 m_indexOfColumnToMark = NotFound;
    QPixmap m_arrow;
};

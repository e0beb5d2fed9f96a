#include "CSVTableColumnHeaderView.h"

#include "CSVTableHeaderViewDelegate.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace {

const QColor s_markColor = QColor::fromRgbF(0.003f, 0.56f, 0.85f, 0.5f);
constexpr int s_arrowSize = 14;
// The hot zone ends this far inside the column's right edge, where a drag resizes the column.
constexpr int s_resizeMargin = 2;

} // namespace

CSVTableColumnHeaderView::CSVTableColumnHeaderView(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
    , m_arrow(QIcon(QStringLiteral(":/images/ColumnArrow.svg"))
                  .pixmap(QSize(s_arrowSize, s_arrowSize), devicePixelRatio()))
{
    setSectionsClickable(true);
    setDefaultAlignment(Qt::AlignCenter);
}

void CSVTableColumnHeaderView::setIndexOfColumnToMark(qint64 index)
{
    m_indexOfColumnToMark = index;
    viewport()->update();
}

QStyle::State CSVTableColumnHeaderView::selectionState(int column) const
{
    return m_selectionState ? m_selectionState(column) : QStyle::State_None;
}

void CSVTableColumnHeaderView::initStyleOptionForIndex(QStyleOptionHeader *option,
                                                       int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->state |= selectionState(logicalIndex);
}

void CSVTableColumnHeaderView::paintSection(QPainter *painter, const QRect &rect,
                                            int logicalIndex) const
{
    // The platform's header leaves the painter clipped to nothing; the marks go over it.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (logicalIndex == m_indexOfColumnToMark)
        painter->fillRect(rect, s_markColor);
    const QSize arrowSize = m_arrow.deviceIndependentSize().toSize();
    painter->drawPixmap(QPoint(rect.right() + 1 - arrowSize.width(), rect.top()), m_arrow);
}

std::pair<int, int> CSVTableColumnHeaderView::arrowHotZone(int logicalIndex) const
{
    const int right = sectionViewportPosition(logicalIndex) + sectionSize(logicalIndex);
    const int width = m_arrow.deviceIndependentSize().toSize().width();
    return {right - (width + s_resizeMargin), right - s_resizeMargin};
}

int CSVTableColumnHeaderView::arrowSpace() const
{
    return m_arrow.deviceIndependentSize().toSize().width() + s_resizeMargin;
}

int CSVTableColumnHeaderView::columnWithArrowAt(const QPoint &position) const
{
    const int logicalIndex = logicalIndexAt(position);
    if (logicalIndex < 0)
        return -1;
    const auto [left, right] = arrowHotZone(logicalIndex);
    return left < position.x() && position.x() < right ? logicalIndex : -1;
}

void CSVTableColumnHeaderView::mousePressEvent(QMouseEvent *event)
{
    const int column = columnWithArrowAt(event->position().toPoint());
    if (column >= 0 && m_delegate && event->button() == Qt::LeftButton) {
        m_delegate->showContextMenuForTableHeaderView(this, column, event);
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

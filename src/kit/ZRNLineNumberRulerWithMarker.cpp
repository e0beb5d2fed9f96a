#include "ZRNLineNumberRulerWithMarker.h"

#include <QPainter>

namespace {

constexpr int s_margin = 6;
const QColor s_markerColor(1, 143, 217, 150);

} // namespace

ZRNLineNumberRulerWithMarker::ZRNLineNumberRulerWithMarker(QWidget *parent)
    : QHeaderView(Qt::Vertical, parent)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(true);
    setHighlightSections(true);
}

void ZRNLineNumberRulerWithMarker::setMarkers(const IndexSet &rowNumbers)
{
    m_markers = rowNumbers;
    viewport()->update();
}

bool ZRNLineNumberRulerWithMarker::isRowSelected(int row) const
{
    if (m_isRowSelected)
        return m_isRowSelected(row);
    return selectionModel() && model() && selectionModel()->isRowSelected(row, rootIndex());
}

void ZRNLineNumberRulerWithMarker::paintSection(QPainter *painter, const QRect &rect,
                                                int logicalIndex) const
{
    const QPalette &colors = palette();
    painter->fillRect(rect, colors.color(QPalette::Window));
    const qint64 rowNumber = qint64(logicalIndex) + 1;
    if (m_markers.contains(rowNumber)) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(s_markerColor);
        painter->drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }
    painter->setPen(colors.color(isRowSelected(logicalIndex) ? QPalette::WindowText
                                                             : QPalette::PlaceholderText));
    painter->drawText(rect.adjusted(0, 0, -s_margin, 0), Qt::AlignRight | Qt::AlignVCenter,
                      QString::number(rowNumber));
    painter->setPen(colors.color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
}

// Wide enough for the largest row number, so the ruler does not change width while scrolling.
QSize ZRNLineNumberRulerWithMarker::sectionSizeFromContents(int) const
{
    const QString widest = QString(QString::number(qMax(count(), 1)).size(), QLatin1Char('8'));
    return {fontMetrics().horizontalAdvance(widest) + 2 * s_margin, defaultSectionSize()};
}

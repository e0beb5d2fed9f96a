#include "CSVTableCellDelegate.h"

#include <QPainter>

CSVTableCellDelegate::CSVTableCellDelegate(CellTest isSelected, CellTest isCurrent, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_isSelected(std::move(isSelected))
    , m_isCurrent(std::move(isCurrent))
{}

void CSVTableCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (m_isCurrent(index))
        paintCurrentCellFrame(painter, option, m_isSelected(index));
}

void CSVTableCellDelegate::initStyleOption(QStyleOptionViewItem *option,
                                           const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->state.setFlag(QStyle::State_Selected, m_isSelected(index));
    // The frame below shows the current cell; the style's dotted one would only add noise.
    option->state.setFlag(QStyle::State_HasFocus, false);
}

// Drawn in the text colour over a selected cell and in the highlight colour elsewhere, so it
// stands out on both.
void CSVTableCellDelegate::paintCurrentCellFrame(QPainter *painter,
                                                 const QStyleOptionViewItem &option, bool selected)
{
    const QColor colour = selected ? option.palette.color(QPalette::HighlightedText)
                                   : option.palette.color(QPalette::Highlight);
    painter->save();
    painter->setPen(QPen(colour, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

#include "CSVTableCellDelegate.h"

CSVTableCellDelegate::CSVTableCellDelegate(SelectionTest isSelected, QObject *parent)
    : QStyledItemDelegate(parent), m_isSelected(std::move(isSelected))
{}

void CSVTableCellDelegate::initStyleOption(QStyleOptionViewItem *option,
                                           const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->state.setFlag(QStyle::State_Selected, m_isSelected(index));
}

#include "CSVTableCellDelegate.h"

#include "CSVTableModel.h"
#include "LongCellEditor.h"

#include <QLineEdit>
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

QWidget *CSVTableCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    if (!index.data(CSVTableModel::NeedsTextAreaRole).toBool())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *editor = new LongCellEditor(parent);
    auto *self = const_cast<CSVTableCellDelegate *>(this);
    connect(editor, &LongCellEditor::commitRequested, self,
            [self, editor](QAbstractItemDelegate::EndEditHint hint) {
                emit self->commitData(editor);
                emit self->closeEditor(editor, hint);
            });
    connect(editor, &LongCellEditor::cancelRequested, self, [self, editor] {
        emit self->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    });
    return editor;
}

void CSVTableCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *area = qobject_cast<LongCellEditor *>(editor))
        area->setText(index.data(Qt::EditRole).toString());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void CSVTableCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                        const QModelIndex &index) const
{
    if (auto *area = qobject_cast<LongCellEditor *>(editor)) {
        if (area->isModified())
            model->setData(index, area->text());
        return;
    }
    const auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line || line->isModified())
        QStyledItemDelegate::setModelData(editor, model, index);
}

// The text area opens over the cell and below it, as large as a few lines of a wide column,
// inside the table.
void CSVTableCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                const QModelIndex &index) const
{
    if (!qobject_cast<LongCellEditor *>(editor)) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    const QRect table = editor->parentWidget()->rect();
    QRect area(option.rect.topLeft(),
               QSize(std::max(option.rect.width(), 480), option.rect.height() * 12));
    area = area.intersected(table);
    if (area.height() < option.rect.height() * 6)
        area.moveBottom(std::min(table.bottom(), option.rect.bottom()));
    editor->setGeometry(area.intersected(table));
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

#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Draws and edits the cells of a document's table. A cell shows as selected when the document's
// selection holds it, asked cell by cell as it is drawn: the view's selection model holds only
// the rows in view, and may lag behind a scroll. The current cell, where keys act, carries a
// frame whether the table has the focus or not.
class CSVTableCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using CellTest = std::function<bool(const QModelIndex &index)>;

    CSVTableCellDelegate(CellTest isSelected, CellTest isCurrent, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    static void paintCurrentCellFrame(QPainter *painter, const QStyleOptionViewItem &option,
                                      bool selected);

    CellTest m_isSelected;
    CellTest m_isCurrent;
};

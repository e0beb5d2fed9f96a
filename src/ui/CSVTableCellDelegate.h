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

    // Long cells and cells of several lines are edited in a text area (LongCellEditor), the
    // others in a line. An editor the user did not change writes nothing back: no step to undo,
    // no unsaved change, and a long cell stays as it was.
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    static void paintCurrentCellFrame(QPainter *painter, const QStyleOptionViewItem &option,
                                      bool selected);

    CellTest m_isSelected;
    CellTest m_isCurrent;
};

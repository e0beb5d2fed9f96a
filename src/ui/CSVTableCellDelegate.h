#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Draws and edits the cells of a document's table. A cell shows as selected when the document's
// selection holds it, asked cell by cell as it is drawn: the view's selection model holds only
// the rows in view, and may lag behind a scroll.
class CSVTableCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using SelectionTest = std::function<bool(const QModelIndex &index)>;

    explicit CSVTableCellDelegate(SelectionTest isSelected, QObject *parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    SelectionTest m_isSelected;
};

#pragma once

class CSVTableColumnHeaderView;
class QMouseEvent;

// What a column header asks of its owner when the user clicks the arrow of a column.
class CSVTableHeaderViewDelegate
{
public:
    virtual ~CSVTableHeaderViewDelegate() = default;
    virtual void showContextMenuForTableHeaderView(CSVTableColumnHeaderView *headerView,
                                                   int columnIndex, QMouseEvent *event) = 0;
};

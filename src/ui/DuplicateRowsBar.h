#pragma once

#include <QWidget>

// The bar above the table while the duplicate rows are shown: a yellow band with a line only
// along its bottom edge. It stays hidden in the other display modes.
class DuplicateRowsBar : public QWidget
{
    Q_OBJECT

public:
    explicit DuplicateRowsBar(QWidget *parent = nullptr);

    static QColor backgroundColor();
    static QColor secondBackgroundColor();

protected:
    void paintEvent(QPaintEvent *event) override;
};

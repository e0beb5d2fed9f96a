#pragma once

#include <QWidget>

class QPushButton;

// The bar above the table while the duplicate rows are shown: a yellow band with a line only
// along its bottom edge, saying what is shown, and the button that shows all rows again. It
// stays hidden in the other display modes.
class DuplicateRowsBar : public QWidget
{
    Q_OBJECT

public:
    explicit DuplicateRowsBar(QWidget *parent = nullptr);

    QPushButton *endButton() const { return m_endButton; }

    static QColor backgroundColor();
    static QColor secondBackgroundColor();

signals:
    // The user asked to leave the view (endShowDuplicateRows).
    void endShowDuplicateRows();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *m_endButton;
};

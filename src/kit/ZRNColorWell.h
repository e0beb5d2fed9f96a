#pragma once

#include <QColor>
#include <QPushButton>

// A button showing a colour; clicking it opens the colour panel (with alpha) over its window,
// and the colour the user picks becomes the well's colour.
class ZRNColorWell : public QPushButton
{
    Q_OBJECT

public:
    explicit ZRNColorWell(QWidget *parent = nullptr);

    const QColor &color() const { return m_color; }
    // Shows the colour; no signal.
    void setColor(const QColor &color);
    // The user picked the colour: shows it and tells.
    void takeColor(const QColor &color);

signals:
    void colorChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void openColorPanel();

    QColor m_color = Qt::white;
};

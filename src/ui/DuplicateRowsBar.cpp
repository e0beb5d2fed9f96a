#include "DuplicateRowsBar.h"

#include <QLinearGradient>
#include <QPainter>

DuplicateRowsBar::DuplicateRowsBar(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(false);
    setVisible(false);
}

QColor DuplicateRowsBar::backgroundColor()
{
    return QColor::fromRgbF(1.0f, 1.0f, 0.0f, 1.0f);
}

QColor DuplicateRowsBar::secondBackgroundColor()
{
    return QColor::fromRgbF(1.0f, 1.0f, 128.0f / 255.0f, 1.0f);
}

void DuplicateRowsBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomLeft());
    gradient.setColorAt(0.0, secondBackgroundColor());
    gradient.setColorAt(1.0, backgroundColor());
    painter.fillRect(rect(), gradient);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
}

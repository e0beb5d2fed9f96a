#include "ZRNColorWell.h"

#include <QColorDialog>
#include <QPainter>

namespace {

constexpr int s_inset = 6;
constexpr int s_checkerSize = 4;

} // namespace

ZRNColorWell::ZRNColorWell(QWidget *parent) : QPushButton(parent)
{
    setMinimumSize(64, 26);
    connect(this, &QPushButton::clicked, this, &ZRNColorWell::openColorPanel);
}

void ZRNColorWell::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void ZRNColorWell::takeColor(const QColor &color)
{
    setColor(color);
    emit colorChanged(color);
}

// A checkerboard under the colour shows how transparent it is.
void ZRNColorWell::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect swatch = rect().adjusted(s_inset, s_inset, -s_inset, -s_inset);
    painter.fillRect(swatch, Qt::white);
    for (int y = swatch.top(); y <= swatch.bottom(); y += s_checkerSize) {
        for (int x = swatch.left() + ((y - swatch.top()) / s_checkerSize % 2) * s_checkerSize;
             x <= swatch.right(); x += 2 * s_checkerSize)
            painter.fillRect(QRect(x, y, s_checkerSize, s_checkerSize).intersected(swatch),
                             Qt::lightGray);
    }
    painter.fillRect(swatch, m_color);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void ZRNColorWell::openColorPanel()
{
    auto *panel = new QColorDialog(m_color, window());
    panel->setOption(QColorDialog::ShowAlphaChannel);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QColorDialog::colorSelected, this, &ZRNColorWell::takeColor);
    panel->open();
}

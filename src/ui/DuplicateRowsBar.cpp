#include "DuplicateRowsBar.h"

#include "foundation/LocalizedStrings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

DuplicateRowsBar::DuplicateRowsBar(QWidget *parent)
    : QWidget(parent), m_endButton(new QPushButton(localized("LSEndShowDuplicateRows"), this))
{
    setObjectName(QStringLiteral("duplicateRowsDisplayModeView"));
    setAutoFillBackground(false);
    setVisible(false);
    auto *layout = new QHBoxLayout(this);
    auto *text = new QLabel(localized("LSDuplicateRowsBarText"), this);
    // Black on yellow whatever the theme.
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    text->setPalette(palette);
    layout->addWidget(text, 1);
    layout->addWidget(m_endButton);
    connect(m_endButton, &QPushButton::clicked, this, &DuplicateRowsBar::endShowDuplicateRows);
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

#include "ZRNSheetHighlight.h"

#include <QEvent>
#include <QPainter>
#include <QPropertyAnimation>

#include <cmath>

namespace {

// The veil at full strength: the window's content stays readable beneath it.
const QColor s_veilColor(20, 40, 70, 110);

} // namespace

ZRNSheetHighlight::ZRNSheetHighlight(QWidget *window)
    : QWidget(window), m_animation(new QPropertyAnimation(this, "opacity", this))
{
    setAttribute(Qt::WA_NoSystemBackground);
    // The sheet's modality keeps the user out of the window; the veil must not, or a click
    // right after the sheet closed would land on the veil while it fades out.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
    window->installEventFilter(this);
    show();
    raise();
}

void ZRNSheetHighlight::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    update();
}

void ZRNSheetHighlight::fadeIn(int milliseconds)
{
    animateTo(1.0, milliseconds);
}

void ZRNSheetHighlight::fadeOutAndRemove(int milliseconds)
{
    m_fadingOut = true;
    connect(m_animation, &QPropertyAnimation::finished, this, &QObject::deleteLater);
    animateTo(0.0, milliseconds);
}

void ZRNSheetHighlight::animateTo(qreal opacity, int milliseconds)
{
    m_animation->stop();
    m_animation->setStartValue(m_opacity);
    m_animation->setEndValue(opacity);
    // A fade that was cut short takes only the share of the time that is left to go.
    m_animation->setDuration(int(milliseconds * std::abs(opacity - m_opacity)));
    m_animation->start();
}

bool ZRNSheetHighlight::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void ZRNSheetHighlight::paintEvent(QPaintEvent *)
{
    QColor color = s_veilColor;
    color.setAlphaF(color.alphaF() * float(m_opacity));
    QPainter(this).fillRect(rect(), color);
}

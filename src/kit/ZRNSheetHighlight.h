#pragma once

#include <QWidget>

class QPropertyAnimation;

// The overlay of ZRNSheetPresentation: a translucent veil over a window's content that follows
// the window's size and lets no click through to it.
class ZRNSheetHighlight : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)

public:
    explicit ZRNSheetHighlight(QWidget *window);

    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    bool isFadingOut() const { return m_fadingOut; }
    void fadeIn(int milliseconds);
    // Fades out from wherever the fade in has got to, then deletes the overlay.
    void fadeOutAndRemove(int milliseconds);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void animateTo(qreal opacity, int milliseconds);

    qreal m_opacity = 0.0;
    bool m_fadingOut = false;
    QPropertyAnimation *m_animation = nullptr;
};

#pragma once

#include <QIcon>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <atomic>

// One item of progress: what the progress window shows (title, info text, a description of the
// current step, a determinate range and position or a spinning bar) and whether the user
// cancelled. A worker sets the current value and polls isCancelled() from its own thread; the
// texts may be set from any thread too. The window reads them on the main thread.
class ZRNProgressDescriptor : public QObject
{
    Q_OBJECT

public:
    // An indeterminate item: a spinning bar without range; min, max and current value are 0.
    ZRNProgressDescriptor(const QString &title, const QString &infoText, bool allowCancel,
                          QObject *parent = nullptr);
    // A determinate item over [minValue, maxValue]; the current value starts at the minimum.
    ZRNProgressDescriptor(const QString &title, const QString &infoText, double minValue,
                          double maxValue, bool allowCancel, QObject *parent = nullptr);

    QString title() const { return locked(m_title); }
    void setTitle(const QString &title) { assign(m_title, title); }
    QString infoText() const { return locked(m_infoText); }
    void setInfoText(const QString &infoText) { assign(m_infoText, infoText); }
    // Null until a step is described.
    QString progressDescription() const { return locked(m_progressDescription); }
    void setProgressDescription(const QString &text) { assign(m_progressDescription, text); }
    QIcon image() const { return locked(m_image); }
    void setImage(const QIcon &image) { assign(m_image, image); }

    double minValue() const { return m_minValue; }
    double maxValue() const { return m_maxValue; }
    double currentValue() const { return m_currentValue.load(std::memory_order_relaxed); }
    void setCurrentValue(double value) { m_currentValue.store(value, std::memory_order_relaxed); }
    // The current value held within [minValue, maxValue], as the bar shows it.
    double clampedValue() const;

    bool isIndeterminate() const { return m_isIndeterminate; }
    bool allowCancel() const { return m_allowCancel; }
    bool isCancelled() const { return m_isCancelled.load(std::memory_order_relaxed); }
    void setCancelled(bool cancelled) { m_isCancelled.store(cancelled, std::memory_order_relaxed); }

    // Assigns the values of the keys "title", "infoText", "progressDescription" and
    // "currentValue" (the last only when determinate); other keys are ignored.
    void setValuesForKeys(const QVariantMap &values);

private:
    template<typename T>
    T locked(const T &field) const
    {
        QMutexLocker lock(&m_mutex);
        return field;
    }
    template<typename T>
    void assign(T &field, const T &value)
    {
        QMutexLocker lock(&m_mutex);
        field = value;
    }

    mutable QMutex m_mutex; // guards the texts and the image
    QString m_title;
    QString m_infoText;
    QString m_progressDescription;
    QIcon m_image;
    const double m_minValue = 0;
    const double m_maxValue = 0;
    std::atomic<double> m_currentValue = 0;
    const bool m_isIndeterminate = true;
    const bool m_allowCancel = false;
    std::atomic<bool> m_isCancelled = false;
};

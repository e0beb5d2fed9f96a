#include "ZRNProgressDescriptor.h"

#include <algorithm>

ZRNProgressDescriptor::ZRNProgressDescriptor(const QString &title, const QString &infoText,
                                             bool allowCancel, QObject *parent)
    : QObject(parent), m_title(title), m_infoText(infoText), m_allowCancel(allowCancel)
{}

ZRNProgressDescriptor::ZRNProgressDescriptor(const QString &title, const QString &infoText,
                                             double minValue, double maxValue, bool allowCancel,
                                             QObject *parent)
    : QObject(parent)
    , m_title(title)
    , m_infoText(infoText)
    , m_minValue(minValue)
    , m_maxValue(maxValue)
    , m_currentValue(minValue)
    , m_isIndeterminate(false)
    , m_allowCancel(allowCancel)
{}

QString ZRNProgressDescriptor::title() const
{
    QMutexLocker lock(&m_mutex);
    return m_title;
}

void ZRNProgressDescriptor::setTitle(const QString &title)
{
    QMutexLocker lock(&m_mutex);
    m_title = title;
}

QString ZRNProgressDescriptor::infoText() const
{
    QMutexLocker lock(&m_mutex);
    return m_infoText;
}

void ZRNProgressDescriptor::setInfoText(const QString &infoText)
{
    QMutexLocker lock(&m_mutex);
    m_infoText = infoText;
}

QString ZRNProgressDescriptor::progressDescription() const
{
    QMutexLocker lock(&m_mutex);
    return m_progressDescription;
}

void ZRNProgressDescriptor::setProgressDescription(const QString &description)
{
    QMutexLocker lock(&m_mutex);
    m_progressDescription = description;
}

QIcon ZRNProgressDescriptor::image() const
{
    QMutexLocker lock(&m_mutex);
    return m_image;
}

void ZRNProgressDescriptor::setImage(const QIcon &image)
{
    QMutexLocker lock(&m_mutex);
    m_image = image;
}

double ZRNProgressDescriptor::clampedValue() const
{
    return std::max(m_minValue, std::min(m_maxValue, currentValue()));
}

void ZRNProgressDescriptor::setValuesForKeys(const QVariantMap &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key() == u"title")
            setTitle(it.value().toString());
        else if (it.key() == u"infoText")
            setInfoText(it.value().toString());
        else if (it.key() == u"progressDescription")
            setProgressDescription(it.value().toString());
        else if (it.key() == u"currentValue" && !m_isIndeterminate)
            setCurrentValue(it.value().toDouble());
    }
}

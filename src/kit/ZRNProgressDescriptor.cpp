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

#include "ZRNDeferredCall.h"

ZRNDeferredCall::ZRNDeferredCall(QObject *context, std::function<void()> function)
    : m_context(context), m_function(std::move(function))
{}

void ZRNDeferredCall::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(
        m_context,
        [this] {
            if (m_pending)
                m_function();
        },
        Qt::QueuedConnection);
}

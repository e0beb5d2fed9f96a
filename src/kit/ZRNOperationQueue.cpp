#include "ZRNOperationQueue.h"

#include <QThread>

ZRNOperationQueue::ZRNOperationQueue(QObject *parent) : QObject(parent) {}

ZRNOperationQueue::~ZRNOperationQueue()
{
    m_pool.waitForDone();
}

void ZRNOperationQueue::addOperation(std::function<void()> operation)
{
    Q_ASSERT(QThread::currentThread() == thread());
    ++m_operationCount;
    emit operationCountChanged(m_operationCount);
    const int generation = m_cancelGeneration;
    m_pool.start([this, generation, operation = std::move(operation)] {
        if (generation == m_cancelGeneration)
            operation();
        QMetaObject::invokeMethod(this, &ZRNOperationQueue::operationEnded, Qt::QueuedConnection);
    });
}

void ZRNOperationQueue::operationEnded()
{
    --m_operationCount;
    emit operationCountChanged(m_operationCount);
}

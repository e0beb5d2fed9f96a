#pragma once

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>

// A queue of work that runs on worker threads. Its operation count is the main thread's view:
// an operation counts from its adding until the main thread has learnt that it returned, so
// whoever watches operationCountChanged sees every operation end, in order, on the main thread.
class ZRNOperationQueue : public QObject
{
    Q_OBJECT

public:
    explicit ZRNOperationQueue(QObject *parent = nullptr);
    // Waits for the operations that run.
    ~ZRNOperationQueue() override;

    // On the queue's own thread only.
    void addOperation(std::function<void()> operation);
    int operationCount() const { return m_operationCount; }
    // The operations that have not started yet will not run (they still end, and count down);
    // running ones go on and must look for themselves whether to stop.
    void cancelAllOperations() { ++m_cancelGeneration; }

signals:
    void operationCountChanged(int count);

private:
    void operationEnded();

    QThreadPool m_pool;
    int m_operationCount = 0;
    std::atomic<int> m_cancelGeneration = 0;
};

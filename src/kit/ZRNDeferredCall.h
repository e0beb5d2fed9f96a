#pragma once

#include <QObject>

#include <functional>

// Runs a function once control returns to the event loop, however often it was asked for until
// then: a command that changes a million rows refreshes a view once. Lives as a member of its
// context object; the call is dropped if the context goes first.
class ZRNDeferredCall
{
public:
    ZRNDeferredCall(QObject *context, std::function<void()> function);

    void schedule();
    bool isPending() const { return m_pending; }
    // The function ran early, straight from its owner: nothing is left to do.
    void cancel() { m_pending = false; }

private:
    QObject *m_context;
    std::function<void()> m_function;
    bool m_pending = false;
};

#include "ZRNProgressWindowController.h"

#include "ZRNOperationQueue.h"
#include "ZRNProgressDescriptor.h"
#include "ZRNProgressNotifications.h"
#include "ZRNProgressWindow.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"

#include <QCoreApplication>
#include <QThread>
#include <QtDebug>

namespace {

constexpr int s_refreshMilliseconds = 50;

bool isMainThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Calls from a worker are logged and ignored.
bool checkMainThread(const char *method)
{
    if (isMainThread())
        return true;
    qWarning("%s It is not allowed to invoke this method from a concurrent thread.", method);
    return false;
}

QString defaultTitle()
{
    return localized("DefaultTitle");
}

} // namespace

ZRNProgressWindowController::ZRNProgressWindowController(QObject *parent)
    : QObject(parent), m_operationQueue(new ZRNOperationQueue(this))
{
    connect(m_operationQueue, &ZRNOperationQueue::operationCountChanged, this,
            &ZRNProgressWindowController::operationCountChanged);
    m_refreshTimer.setInterval(s_refreshMilliseconds);
    connect(&m_refreshTimer, &QTimer::timeout, this, &ZRNProgressWindowController::refreshWindow);
    addProgressDescriptor(new ZRNProgressDescriptor(defaultTitle(), {}, false, this));
}

// The queue goes first: its running work may still read the items.
ZRNProgressWindowController::~ZRNProgressWindowController()
{
    delete m_operationQueue;
    delete m_window;
}

ZRNProgressDescriptor *ZRNProgressWindowController::setupAsIndeterminate(const QString &title,
                                                                         bool allowCancel)
{
    const QString shown = title.isNull() ? defaultTitle() : title;
    return setUp(new ZRNProgressDescriptor(shown, shown + u'…', allowCancel, this));
}

ZRNProgressDescriptor *ZRNProgressWindowController::setupAsDeterminate(
    const QString &title, double minValue, double maxValue, double initialValue, bool allowCancel)
{
    const QString shown = title.isNull() ? defaultTitle() : title;
    auto *descriptor =
        new ZRNProgressDescriptor(shown, shown + u'…', minValue, maxValue, allowCancel, this);
    descriptor->setCurrentValue(initialValue);
    return setUp(descriptor);
}

ZRNProgressDescriptor *ZRNProgressWindowController::setUp(ZRNProgressDescriptor *descriptor)
{
    m_isCancelled = false;
    m_closeWindowOnCompletion = true;
    removeAllProgressDescriptors();
    addProgressDescriptor(descriptor);
    return descriptor;
}

void ZRNProgressWindowController::beginProgressSheetForWindow(QWidget *window,
                                                              CompletionHandler completion)
{
    Q_ASSERT(window);
    if (!startRun("-beginProgressSheetForWindow:completionHandler:", std::move(completion)))
        return;
    ZRNProgressWindow *progress = loadWindow(window);
    progress->setWindowModality(Qt::WindowModal);
    progress->show();
}

void ZRNProgressWindowController::showProgressWindowWithCompletionHandler(
    CompletionHandler completion)
{
    if (!startRun("-showProgressWindowWithCompletionHandler:", std::move(completion)))
        return;
    ZRNProgressWindow *progress = loadWindow(nullptr);
    progress->setWindowModality(Qt::ApplicationModal);
    progress->show();
}

// False when the run cannot start: called from a worker, or with nothing to wait for.
bool ZRNProgressWindowController::startRun(const char *method, CompletionHandler completion)
{
    if (!checkMainThread(method))
        return false;
    if (m_operationQueue->operationCount() == 0) {
        qWarning("Warning: ZRNProgressWindowController no operations in queue");
        if (completion)
            completion(false);
        return false;
    }
    m_completion = std::move(completion);
    return true;
}

void ZRNProgressWindowController::showProgressWindow()
{
    if (!checkMainThread("-showProgressWindow:"))
        return;
    startProcessingNotifications();
    ZRNProgressWindow *progress = loadWindow(nullptr);
    progress->setWindowModality(Qt::NonModal);
    progress->show();
}

void ZRNProgressWindowController::hideProgressWindow()
{
    if (!checkMainThread("-hideProgressWindow:"))
        return;
    stopProcessingNotifications();
    if (m_window)
        m_window->hide();
    m_refreshTimer.stop();
}

// One window per controller; a sheet belongs to its document window.
ZRNProgressWindow *ZRNProgressWindowController::loadWindow(QWidget *parent)
{
    if (!m_window) {
        m_window = new ZRNProgressWindow(parent);
        connect(m_window, &ZRNProgressWindow::cancelRequested, this,
                &ZRNProgressWindowController::cancel);
    } else if (m_window->parentWidget() != parent) {
        m_window->setParent(parent, m_window->windowFlags());
    }
    refreshWindow();
    m_refreshTimer.start();
    return m_window;
}

void ZRNProgressWindowController::cancel()
{
    {
        QMutexLocker lock(&m_stackMutex);
        for (const QPointer<ZRNProgressDescriptor> &descriptor : m_descriptors) {
            if (descriptor)
                descriptor->setCancelled(true);
        }
    }
    m_operationQueue->cancelAllOperations();
    stopProcessingNotifications();
    m_isCancelled = true;
    refreshWindow();
}

void ZRNProgressWindowController::addProgressDescriptor(ZRNProgressDescriptor *descriptor)
{
    if (const ZRNProgressDescriptor *current = currentProgressDescriptor()) {
        if (descriptor->title().isEmpty())
            descriptor->setTitle(current->title());
        if (descriptor->infoText().isEmpty())
            descriptor->setInfoText(current->infoText());
    }
    {
        QMutexLocker lock(&m_stackMutex);
        m_descriptors.emplace_back(descriptor);
    }
    emit currentProgressDescriptorChanged();
    refreshWindow();
}

void ZRNProgressWindowController::removeProgressDescriptor(ZRNProgressDescriptor *descriptor)
{
    {
        QMutexLocker lock(&m_stackMutex);
        std::erase_if(m_descriptors, [descriptor](const QPointer<ZRNProgressDescriptor> &d) {
            return d == descriptor;
        });
    }
    emit currentProgressDescriptorChanged();
    refreshWindow();
}

void ZRNProgressWindowController::removeAllProgressDescriptors()
{
    {
        QMutexLocker lock(&m_stackMutex);
        m_descriptors.clear();
    }
    emit currentProgressDescriptorChanged();
    refreshWindow();
}

ZRNProgressDescriptor *ZRNProgressWindowController::currentProgressDescriptor() const
{
    QMutexLocker lock(&m_stackMutex);
    for (auto it = m_descriptors.rbegin(); it != m_descriptors.rend(); ++it) {
        if (*it)
            return *it;
    }
    return nullptr;
}

ZRNProgressWindow *ZRNProgressWindowController::window() const
{
    return m_window;
}

void ZRNProgressWindowController::refreshWindow()
{
    if (!m_window)
        return;
    if (const ZRNProgressDescriptor *current = currentProgressDescriptor())
        m_window->refresh(*current, m_isCancelled);
}

void ZRNProgressWindowController::operationCountChanged(int count)
{
    if (count > 0) {
        startProcessingNotifications();
        return;
    }
    completeRun();
}

void ZRNProgressWindowController::completeRun()
{
    Q_ASSERT_X(isMainThread(), "ZRNProgressWindowController",
               "it is not allowd to call this on secondary thread!");
    stopProcessingNotifications();
    m_refreshTimer.stop();
    if (m_closeWindowOnCompletion && m_window)
        m_window->hide();
    const QPointer<ZRNProgressWindowController> self(this);
    if (CompletionHandler completion = std::exchange(m_completion, nullptr))
        completion(m_isCancelled);
    // The completion may have let the controller go.
    if (self)
        removeAllProgressDescriptors();
}

void ZRNProgressWindowController::startProcessingNotifications()
{
    if (m_shouldProcessNotifications)
        return;
    m_shouldProcessNotifications = true;
    NotificationCenter &center = NotificationCenter::defaultCenter();
    center.addObserver(this, ZRNProgressNotifications::s_willBegin, [this](const Notification &n) {
        if (auto *descriptor = qobject_cast<ZRNProgressDescriptor *>(n.object))
            addProgressDescriptor(descriptor);
    });
    center.addObserver(this, ZRNProgressNotifications::s_update,
                       [this](const Notification &n) { updateFromNotification(n); });
    center.addObserver(this, ZRNProgressNotifications::s_didEnd, [this](const Notification &n) {
        if (auto *descriptor = qobject_cast<ZRNProgressDescriptor *>(n.object))
            removeProgressDescriptor(descriptor);
    });
}

void ZRNProgressWindowController::stopProcessingNotifications()
{
    if (!m_shouldProcessNotifications)
        return;
    m_shouldProcessNotifications = false;
    NotificationCenter &center = NotificationCenter::defaultCenter();
    center.removeObserver(this, ZRNProgressNotifications::s_willBegin);
    center.removeObserver(this, ZRNProgressNotifications::s_update);
    center.removeObserver(this, ZRNProgressNotifications::s_didEnd);
}

void ZRNProgressWindowController::updateFromNotification(const Notification &notification)
{
    auto *descriptor = qobject_cast<ZRNProgressDescriptor *>(notification.object);
    if (!descriptor)
        return;
    descriptor->setValuesForKeys(notification.userInfo);
    refreshWindow();
    if (m_window)
        m_window->repaint();
}

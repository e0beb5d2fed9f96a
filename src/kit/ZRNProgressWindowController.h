#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

class ZRNOperationQueue;
class ZRNProgressDescriptor;
class ZRNProgressWindow;
struct Notification;

// Runs long work off the main thread while a progress window shows how far it got: set it up
// with one progress item, add the work to its queue, then begin the progress sheet on a document
// window (or show the window application-modally, or plainly). The work reports through its
// item (the current descriptor, whose value a worker may set from its own thread) or through
// the progress notifications, and polls the item's isCancelled(). Once the queue has drained,
// the completion handler runs on the main thread with whether the user cancelled; only it may
// change a document.
//
// Every call but currentProgressDescriptor() belongs to the main thread.
class ZRNProgressWindowController : public QObject
{
    Q_OBJECT

public:
    using CompletionHandler = std::function<void(bool cancelled)>;

    // Starts with one indeterminate item titled "DefaultTitle".
    explicit ZRNProgressWindowController(QObject *parent = nullptr);
    ~ZRNProgressWindowController() override;

    // Each replaces the items by a new one and returns it; its info text is the title and "…".
    // A null title is "DefaultTitle". The current value starts at initialValue.
    ZRNProgressDescriptor *setupAsIndeterminate(const QString &title, bool allowCancel);
    ZRNProgressDescriptor *setupAsDeterminate(const QString &title, double minValue,
                                              double maxValue, double initialValue,
                                              bool allowCancel);

    ZRNOperationQueue *operationQueue() const { return m_operationQueue; }

    // Shows the progress window as a sheet on the window until the queue has drained, then
    // calls completion. With nothing queued, completion runs at once with false.
    void beginProgressSheetForWindow(QWidget *window, CompletionHandler completion);
    // The same, with the window modal for the whole application.
    void showProgressWindowWithCompletionHandler(CompletionHandler completion);
    // Shows or hides the window without modality, following the notifications while shown.
    void showProgressWindow();
    void hideProgressWindow();

    // Marks every item cancelled, drops the work not started yet, stops following the
    // notifications and disables Cancel. The completion still comes, once the queue drains.
    void cancel();
    bool isCancelled() const { return m_isCancelled; }

    // An item without title or info text takes those of the current item.
    void addProgressDescriptor(ZRNProgressDescriptor *descriptor);
    void removeProgressDescriptor(ZRNProgressDescriptor *descriptor);
    void removeAllProgressDescriptors();
    // The last item pushed, or nullptr; callable from a worker.
    ZRNProgressDescriptor *currentProgressDescriptor() const;

    const CompletionHandler &completionBlock() const { return m_completion; }
    bool closeWindowOnCompletion() const { return m_closeWindowOnCompletion; }
    void setCloseWindowOnCompletion(bool close) { m_closeWindowOnCompletion = close; }

    // The window once it was shown, else nullptr.
    ZRNProgressWindow *window() const;

signals:
    void currentProgressDescriptorChanged();

private:
    ZRNProgressDescriptor *setUp(ZRNProgressDescriptor *descriptor);
    bool startRun(const char *method, CompletionHandler completion);
    ZRNProgressWindow *loadWindow(QWidget *parent);
    void refreshWindow();
    void operationCountChanged(int count);
    void completeRun();
    void startProcessingNotifications();
    void stopProcessingNotifications();
    void updateFromNotification(const Notification &notification);

    ZRNOperationQueue *m_operationQueue;
    mutable QMutex m_stackMutex; // the stack is read by workers
    std::vector<QPointer<ZRNProgressDescriptor>> m_descriptors;
    CompletionHandler m_completion;
    QPointer<ZRNProgressWindow> m_window;
    // Workers set values directly: the window looks at them while it is shown.
    QTimer m_refreshTimer;
    bool m_shouldProcessNotifications = false;
    bool m_closeWindowOnCompletion = true;
    bool m_isCancelled = false;
};

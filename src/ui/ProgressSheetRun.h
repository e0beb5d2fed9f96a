#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class ZRNProgressWindowController;

// Long work on a worker while a determinate progress window with Cancel shows how far it got:
// a sheet on a document window, or, with no window, a window modal for the whole application.
// The work is given a progress callback that takes how far it got and answers false once the
// user cancelled, whereupon the work stops and returns. The completion runs on the main thread
// once the work has returned; only it may change a document. Short work runs at once on the
// main thread, with no window.
//
// While a sheet runs on a window, the work may read the window's document: nothing else may
// close the window or save its document until the completion has run.
class ProgressSheetRun : public QObject
{
    Q_OBJECT

public:
    using Progress = std::function<bool(double value)>;
    using Work = std::function<void(const Progress &progress)>;
    using Completion = std::function<void(bool cancelled)>;

    static void start(QWidget *window, const QString &title, double maxValue, bool isLong,
                      Work work, Completion completion);

    static bool isRunningOn(const QWidget *window);

private:
    ProgressSheetRun(QWidget *window, Completion completion);
    void begin(const QString &title, double maxValue, Work work);
    void complete(bool cancelled);

    QPointer<QWidget> m_window;
    const QWidget *m_coveredWindow = nullptr;
    Completion m_completion;
    ZRNProgressWindowController *m_progressWindowController = nullptr;
};

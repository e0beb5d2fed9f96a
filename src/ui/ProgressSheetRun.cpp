#include "ProgressSheetRun.h"

#include "kit/ZRNOperationQueue.h"
#include "kit/ZRNProgressDescriptor.h"
#include "kit/ZRNProgressWindowController.h"
#include "kit/ZRNSheetPresentation.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

// The windows a run covers; main thread only.
std::vector<const QWidget *> &coveredWindows()
{
    static std::vector<const QWidget *> windows;
    return windows;
}

} // namespace

void ProgressSheetRun::start(QWidget *window, const QString &title, double maxValue, bool isLong,
                             Work work, Completion completion)
{
    if (!isLong) {
        work([](double) { return true; });
        completion(false);
        return;
    }
    auto *run = new ProgressSheetRun(window, std::move(completion));
    run->begin(title, maxValue, std::move(work));
}

bool ProgressSheetRun::isRunningOn(const QWidget *window)
{
    return std::ranges::find(coveredWindows(), window) != coveredWindows().end();
}

// Not a child of the window: the run ends with its completion, whatever became of the window.
ProgressSheetRun::ProgressSheetRun(QWidget *window, Completion completion)
    : QObject(QCoreApplication::instance()), m_window(window), m_completion(std::move(completion))
{}

void ProgressSheetRun::begin(const QString &title, double maxValue, Work work)
{
    m_progressWindowController = new ZRNProgressWindowController(this);
    ZRNProgressDescriptor *item =
        m_progressWindowController->setupAsDeterminate(title, 0, maxValue, 0, true);
    m_progressWindowController->operationQueue()->addOperation([item, work = std::move(work)] {
        work([item](double value) {
            item->setCurrentValue(value);
            return !item->isCancelled();
        });
    });
    const auto done = [this](bool cancelled) { complete(cancelled); };
    if (!m_window) {
        m_progressWindowController->showProgressWindowWithCompletionHandler(done);
        return;
    }
    m_coveredWindow = m_window;
    coveredWindows().push_back(m_coveredWindow);
    ZRNSheetPresentation::sharedPresentation().prepareSheetPresentationForWindow(m_window);
    m_progressWindowController->beginProgressSheetForWindow(m_window, done);
}

// The highlight goes before the completion, which may show an alert of its own.
void ProgressSheetRun::complete(bool cancelled)
{
    std::erase(coveredWindows(), m_coveredWindow);
    if (m_window)
        ZRNSheetPresentation::sharedPresentation().cleanUpSheetPresentationForWindow(m_window);
    m_completion(cancelled);
    deleteLater();
}

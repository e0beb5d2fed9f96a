#include "kit/ZRNProgressWindowController.h"
#include "kit/ZRNOperationQueue.h"
#include "kit/ZRNProgressDescriptor.h"
#include "kit/ZRNProgressNotifications.h"
#include "kit/ZRNProgressWindow.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"
#include "ui/GuiTestSupport.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>

namespace {

using NamedCases::PrintTo;

class ZRNProgressWindowControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window.resize(500, 300);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    // What the progress window shows: its texts, the bar (value of range, or "spinning") and
    // the Cancel button ("cancel", "cancel-disabled" or nothing).
    std::string shown() const
    {
        const ZRNProgressWindow *window = m_controller.window();
        if (!window)
            return "no window";
        QStringList parts;
        const auto labels = window->findChildren<QLabel *>();
        for (const QLabel *label : labels)
            parts.append(label->text());
        const QProgressBar *bar = window->progressIndicator();
        parts.append(bar->maximum() == 0
                         ? QStringLiteral("spinning")
                         : QStringLiteral("%1/%2").arg(bar->value()).arg(bar->maximum()));
        if (!window->cancelButton()->isHidden())
            parts.append(window->cancelButton()->isEnabled() ? QStringLiteral("cancel")
                                                             : QStringLiteral("cancel-disabled"));
        return parts.join(QLatin1Char('|')).toStdString();
    }

    // Records each completion and on which thread it ran.
    ZRNProgressWindowController::CompletionHandler recordCompletion()
    {
        return [this](bool cancelled) {
            const bool onMain = QThread::currentThread() == qApp->thread();
            m_log.append(QStringLiteral("completion %1%2")
                             .arg(cancelled ? "cancelled" : "done", onMain ? "" : " off main"));
        };
    }

    QWidget m_window;
    ZRNProgressWindowController m_controller;
    QStringList m_log;
};

struct BarCase
{
    const char *name;
    double minValue, maxValue, currentValue;
    const char *expected;
};

class ZRNProgressBarTest : public ZRNProgressWindowControllerTest,
                           public ::testing::WithParamInterface<BarCase>
{};

// The bar shows the current value held within the item's range.
TEST_P(ZRNProgressBarTest, ShowsTheValueWithinTheRange)
{
    const BarCase &c = GetParam();
    m_controller.setupAsDeterminate(QStringLiteral("Sorting"), c.minValue, c.maxValue,
                                    c.currentValue, false);
    m_controller.showProgressWindow();
    EXPECT_EQ(shown(), c.expected);
    m_controller.hideProgressWindow();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ZRNProgressBarTest, ::testing::Values(
    BarCase{"AboveTheMaximum", 0, 10, 15, "Sorting|Sorting…||10000/10000"},
    BarCase{"BelowTheMinimum", 5, 10, 2, "Sorting|Sorting…||0/10000"},
    BarCase{"Within", 1, 5, 2, "Sorting|Sorting…||2500/10000"},
    BarCase{"EmptyRange", 1, 0, 1, "Sorting|Sorting…||0/10000"}),
    caseName);
// clang-format on

// Cancel reaches the running operation through its item; the completion comes once, on the main
// thread, after the operation has returned; the work not started yet never runs.
TEST_F(ZRNProgressWindowControllerTest, CancelWhileTheOnlyOperationRuns)
{
    ZRNProgressDescriptor *item =
        m_controller.setupAsIndeterminate(QStringLiteral("Reading"), true);
    std::atomic<bool> started = false;
    m_controller.operationQueue()->addOperation([&] {
        started = true;
        while (!item->isCancelled())
            QThread::msleep(1);
    });
    m_controller.beginProgressSheetForWindow(&m_window, recordCompletion());
    WAIT_UNTIL(started);
    EXPECT_EQ(m_controller.window()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(shown(), "Reading|Reading…||spinning|cancel");

    m_controller.window()->cancelButton()->click();
    EXPECT_EQ(shown(), "Reading|Reading…||spinning|cancel-disabled");
    WAIT_UNTIL(!m_log.isEmpty());
    QTest::qWait(50);
    EXPECT_EQ(m_log, QStringList{QStringLiteral("completion cancelled")});
    EXPECT_FALSE(m_controller.window()->isVisible());
    EXPECT_EQ(m_controller.currentProgressDescriptor(), nullptr);
}

// Items come and go through the notifications, posted from the worker: a pushed item without
// title shows the one beneath; an update to an item not on the stack changes that item alone;
// a worker's own value reaches the bar.
TEST_F(ZRNProgressWindowControllerTest, FollowsTheNotificationsOfTheWorker)
{
    ZRNProgressDescriptor *item =
        m_controller.setupAsDeterminate(QStringLiteral("Saving"), 0, 100, 0, false);
    ZRNProgressDescriptor stranger(QStringLiteral("Other"), QString(), false);
    std::atomic<int> step = 0;
    std::atomic<int> reached = 0;
    ZRNProgressDescriptor *pushed = nullptr;
    m_controller.operationQueue()->addOperation([&] {
        const auto waitFor = [&](int wanted) {
            reached = wanted;
            while (step < wanted)
                QThread::msleep(1);
        };
        pushed = ZRNProgressNotifications::postWillBegin(QString(), QStringLiteral("Part 2"), 0, 4,
                                                         1, false);
        ZRNProgressNotifications::postUpdate(&stranger, QStringLiteral("Changed"), QString(),
                                             QStringLiteral("elsewhere"), 0);
        waitFor(1);
        ZRNProgressNotifications::postDidEnd(pushed);
        item->setCurrentValue(75);
        waitFor(2);
    });
    m_controller.beginProgressSheetForWindow(&m_window, recordCompletion());
    WAIT_UNTIL(reached == 1 && m_controller.currentProgressDescriptor() == pushed);
    QTest::qWait(20);
    EXPECT_EQ(shown(), "Saving|Part 2||2500/10000");
    EXPECT_EQ(stranger.title(), QStringLiteral("Changed"));
    EXPECT_EQ(stranger.progressDescription(), QStringLiteral("elsewhere"));

    step = 1;
    WAIT_UNTIL(reached == 2 && m_controller.currentProgressDescriptor() == item);
    WAIT_UNTIL(shown() == "Saving|Saving…||7500/10000");
    step = 2;
    WAIT_UNTIL(!m_log.isEmpty());
    EXPECT_EQ(m_log, QStringList{QStringLiteral("completion done")});
}

// With nothing queued the completion runs at once, uncancelled, and no window shows; a call
// from a worker is refused.
TEST_F(ZRNProgressWindowControllerTest, NothingToWaitForOrTheWrongThread)
{
    m_controller.beginProgressSheetForWindow(&m_window, recordCompletion());
    EXPECT_EQ(m_log, QStringList{QStringLiteral("completion done")});
    EXPECT_EQ(shown(), "no window");

    std::atomic<bool> done = false;
    ZRNProgressWindowController *controller = &m_controller;
    QThread *worker = QThread::create([&, controller] {
        controller->showProgressWindowWithCompletionHandler(recordCompletion());
        done = true;
    });
    worker->start();
    WAIT_UNTIL(done);
    worker->wait();
    delete worker;
    EXPECT_EQ(m_log.size(), 1);
    EXPECT_EQ(shown(), "no window");
}

} // namespace

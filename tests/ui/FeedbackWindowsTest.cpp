#include "GuiTestSupport.h"

#include "feedback/LoopbackHttpServer.h"
#include "feedback/ZRNCrashReporter.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"
#include "ui/CrashReporterWindow.h"
#include "ui/FeedbackWindow.h"

#include "support/NamedCase.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using NamedCases::PrintTo;

ApplicationDescription describing(const QUrl &endpoint)
{
    ApplicationDescription description;
    description.executable = QStringLiteral("tabwright");
    description.crashReporterURL = endpoint;
    description.feedbackProviderURL = endpoint;
    return description;
}

struct SendCase
{
    const char *name;
    bool serverListens;
    bool windowStays;
    const char *alertTitle;
};

class FeedbackWindowTest : public ::testing::TestWithParam<SendCase>
{};

// The form waits, greyed, while the message is on its way. Success thanks the user and closes
// the form; a failure says so and leaves the form open with the message as it was. Either way
// the next form starts with the reply address and the check box as the user left them.
TEST_P(FeedbackWindowTest, SendsWithoutLosingTheMessage)
{
    const SendCase &c = GetParam();
    LoopbackHttpServer server;
    FeedbackWindow window(ZRNFeedbackProvider(describing(
        c.serverListens ? server.url(QStringLiteral("/f")) : LoopbackHttpServer::closedUrl())));
    window.showFeedbackProviderDialog();
    window.messageText()->setPlainText(QStringLiteral("The sort is slow"));
    window.emailAdress()->setText(QStringLiteral("ann@example.org"));
    window.sendMeACopyButton()->setChecked(false);
    window.sendButton()->click();
    EXPECT_FALSE(window.messageText()->isEnabled());
    EXPECT_EQ(window.statusLabel()->text(), localized("LSSending"));
    QMessageBox *alert = nullptr;
    WAIT_UNTIL(alert = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
    EXPECT_EQ(alert->text(), localized(c.alertTitle));
    EXPECT_EQ(window.isVisible(), c.windowStays);
    EXPECT_EQ(window.messageText()->toPlainText(),
              c.windowStays ? QStringLiteral("The sort is slow") : QString());
    EXPECT_TRUE(window.messageText()->isEnabled());
    alert->buttons().first()->click();
    const ZRNFeedbackProvider::Message next = ZRNFeedbackProvider::lastChoices();
    EXPECT_EQ(next.from, u"ann@example.org");
    EXPECT_FALSE(next.sendMeACopy);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FeedbackWindowTest,
    ::testing::Values(SendCase{"ServerTakesIt", true, false, "FEEDBACK_SUCCESS_TITLE"},
                      SendCase{"ServerClosed", false, true, "FEEDBACK_ERROR_TITLE"}),
    caseName);

// A new report is offered once at launch; its window shows the report and the log, and a
// failed send keeps the window and the texts and says why.
TEST(CrashReporterWindowTest, OffersTheReportAndKeepsItWhenSendingFails)
{
    UserDefaults::standard().removeObject(QLatin1String(DefaultsKeys::LastCrashReportDate));
    const QTemporaryDir dir;
    TestData::writeFile(dir, QStringLiteral("tabwright_2026.crash"), "Signal: 11\n");
    TestData::writeFile(dir, QStringLiteral("tabwright.log"), "T tabwright[3]: started\n");
    const ZRNCrashReporter reporter(dir.path(), QDir(dir.path()).filePath("tabwright.log"),
                                    describing(LoopbackHttpServer::closedUrl()));
    int done = 0;
    CrashReporterWindow::checkForCrash(reporter, [&done] { ++done; });
    QMessageBox *question = nullptr;
    WAIT_UNTIL(question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
    question->defaultButton()->click();
    CrashReporterWindow *window = nullptr;
    WAIT_UNTIL(window = [] {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *widget : windows) {
            if (auto *reporterWindow = qobject_cast<CrashReporterWindow *>(widget))
                return reporterWindow;
        }
        return static_cast<CrashReporterWindow *>(nullptr);
    }());
    EXPECT_EQ(window->reportTextView()->toPlainText(), u"Signal: 11\n\n\nT tabwright[3]: started");
    window->describeTextView()->setPlainText(QStringLiteral("Sorting"));
    window->sendButton()->click();
    WAIT_UNTIL(window->sendButton()->isEnabled());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->statusLabel()->text().startsWith(
        localized("LSCrashReporterSendFailed").section(QStringLiteral("%1"), 0, 0)));
    EXPECT_EQ(window->describeTextView()->toPlainText(), u"Sorting");
    CrashReporterWindow::checkForCrash(reporter, [&done] { ++done; });
    EXPECT_EQ(done, 2); // the second check found nothing new and asked nothing
    window->close();
}

} // namespace

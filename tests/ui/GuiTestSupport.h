#pragma once

#include "document/DocumentState.h"
#include "support/TestData.h"

#include <QTest>

#include <gtest/gtest.h>

// Waits in the event loop until the condition holds, and fails the test if it never does. (Qt's
// QTRY_ macros report to Qt's test runner, which GoogleTest does not hear.)
#define WAIT_UNTIL(condition)                                                                      \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); })) << "waited for: " #condition

class OpenAssistant;
class QMessageBox;
class QWidget;

// What the offscreen window tests share: the alerts and the open assistant on screen.
namespace GuiTestSupport {

// The alert open on the window, or nullptr.
QMessageBox *openAlert(const QWidget *window);
// Answers the window's alert with the button at that index; false when there is none.
bool answerAlert(const QWidget *window, int button);
// The open assistant on screen, or nullptr.
OpenAssistant *openAssistant();

} // namespace GuiTestSupport

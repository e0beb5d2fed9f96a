#pragma once

#include "document/CSVDocument.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <QTest>

#include <gtest/gtest.h>

// Waits in the event loop until the condition holds, and fails the test if it never does. (Qt's
// QTRY_ macros report to Qt's test runner, which GoogleTest does not hear.)
#define WAIT_UNTIL(condition)                                                                      \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); })) << "waited for: " #condition

class OpenAssistant;
class QMessageBox;
class QWidget;

// What the offscreen window tests share: files to open, the alerts shown on a window, and a
// document's rows in one line.
namespace GuiTestSupport {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);
// The alert open on the window, or nullptr.
QMessageBox *openAlert(const QWidget *window);
// Answers the window's alert with the button at that index; false when there is none.
bool answerAlert(const QWidget *window, int button);
// The open assistant on screen, or nullptr.
OpenAssistant *openAssistant();
// Confirms or cancels the assistant on screen; false when there is none.
bool answerOpenAssistant(bool confirm);
// "a,b|c,d": the visible rows, cells joined by commas and rows by bars.
QString visibleRows(CSVDocument &document);
// "0:1 2:3": the columns in display order as identifier:title.
QString columns(const CSVDocument &document);

} // namespace GuiTestSupport

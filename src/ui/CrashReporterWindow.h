#pragma once

#include "feedback/ZRNCrashReporter.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The crash reporter's window: the report with the program's log (editable, so the user can
// take out what is private) and a field for what the user was doing. With an endpoint built
// in, Send posts both and keeps the window open, with the reason, when that fails; Copy and
// Save… work either way.
class CrashReporterWindow : public QDialog
{
    Q_OBJECT

public:
    CrashReporterWindow(ZRNCrashReporter reporter, const QString &reportPath,
                        QWidget *parent = nullptr);

    // The launch check: a report that appeared since the last check is offered once, in an
    // application-modal question; then runs done. Nothing waits in a nested event loop.
    static void checkForCrash(const ZRNCrashReporter &reporter, std::function<void()> done);

    QPlainTextEdit *reportTextView() const { return m_reportTextView; }
    QPlainTextEdit *describeTextView() const { return m_describeTextView; }
    QPushButton *sendButton() const { return m_sendButton; }
    QLabel *statusLabel() const { return m_status; }

private:
    void send();
    void copyReport();
    void saveReport();

    ZRNCrashReporter m_reporter;
    QPlainTextEdit *m_reportTextView;
    QPlainTextEdit *m_describeTextView;
    QPushButton *m_sendButton = nullptr;
    QLabel *m_status;
};

#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Alerts shown on a window: window-modal, inside the sheet highlight, and never in a nested
// event loop. The alert ends through the event loop like any other window; its completion runs
// the caller's block with the answer.
class ZRNAlert
{
public:
    struct Options
    {
        QString messageText;
        QString informativeText;
        // Button titles; the first is the default button (Return).
        QStringList buttons;
        // The button that Escape answers; none when negative, so the alert must be answered.
        int escapeButton = -1;
        // A check box that stops the question in future ("do not ask again").
        bool showsSuppressionButton = false;
        QMessageBox::Icon icon = QMessageBox::Warning;
    };

    struct Result
    {
        int button = 0; // index into Options::buttons
        bool suppressionChecked = false;
    };

    using Completion = std::function<void(const Result &)>;

    // Shows the alert on the window and returns it; completion runs once a button answered it.
    // An alert torn down with its window runs no completion.
    static QMessageBox *beginSheet(QWidget *window, const Options &options, Completion completion);

    // The confirmation every removal asks: "LSno" first and default, "LSyes" second; only the
    // second proceeds.
    static QMessageBox *confirm(QWidget *window, const QString &messageText,
                                const QString &informativeText, bool showsSuppressionButton,
                                std::function<void(bool confirmed, bool suppress)> completion);

    // A message with one button ("LSOK").
    static QMessageBox *inform(QWidget *window, const QString &messageText,
                               const QString &informativeText, std::function<void()> completion);
};

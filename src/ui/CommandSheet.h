#pragma once

#include <QDialog>

class QBoxLayout;
class QPushButton;

// What every command sheet of a document window shares. It is shown inside the window's sheet
// highlight: as a window-modal sheet, or as a panel attached to a point of the window. Its
// buttons share one action and are told apart by their tag: 1 confirms, anything else cancels,
// as do Escape and closing it. Closing takes the keyboard focus from its fields first, so the
// text being typed counts, hides the sheet, and only then lets the command run: once, with all
// its changes in one undo step.
class CommandSheet : public QDialog
{
    Q_OBJECT

public:
    static constexpr int s_confirmTag = 1;
    static constexpr int s_cancelTag = 0;

    // Shows the sheet on its window and returns at once; the sheet deletes itself when closed.
    void begin();
    QPushButton *button(int tag) const;

protected:
    enum class Presentation { WindowModalSheet, AttachedPanel };

    CommandSheet(QWidget *window, Presentation presentation);

    // Cancel, then the confirming button, which Return presses.
    QLayout *makeButtons(const QString &confirmTitle);
    // A button of the shared action, told apart by its tag.
    QPushButton *addButton(QBoxLayout *layout, const QString &title, int tag);
    // The sheet is hidden; confirmed for the button with tag 1.
    virtual void finish(bool) {}
    // The sheet is hidden by the button with the tag (the cancel tag for Escape).
    virtual void finishWithTag(int tag) { finish(tag == s_confirmTag); }

    void reject() override;

private:
    void end(int tag);

    QWidget *m_window;
    Presentation m_presentation;
};

#pragma once

#include <QWidget>

class QListWidget;

// The small window in which the user ticks the encodings the pop-ups offer, with buttons to
// clear all, select all and revert to the default list. There is one; it floats above the window
// it was opened from and, opened from a modal dialog, works while the dialog runs.
class ZRNSelectEncodingsPanel : public QWidget
{
    Q_OBJECT

public:
    // Shows the panel above window, making it first if need be, and brings it to the front.
    static ZRNSelectEncodingsPanel *showPanel(QWidget *window);
    // The panel, if it was made and its window is still open.
    static ZRNSelectEncodingsPanel *panel();

private:
    explicit ZRNSelectEncodingsPanel(QWidget *parent);
    void tickEnabledEncodings();
    void boxToggled();

    QListWidget *m_list;
    bool m_isTicking = false;
};

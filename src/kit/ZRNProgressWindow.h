#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class ZRNProgressDescriptor;

// The progress window of ZRNProgressWindowController: the current item's title, info text and
// step description, its bar, and Cancel. Escape and closing the window ask to cancel; they
// never just hide it while the work runs.
class ZRNProgressWindow : public QDialog
{
    Q_OBJECT

public:
    // The bar's steps for a determinate item, whatever its range.
    static constexpr int s_barSteps = 10000;

    explicit ZRNProgressWindow(QWidget *parent = nullptr);

    QProgressBar *progressIndicator() const { return m_progressIndicator; }
    QPushButton *cancelButton() const { return m_cancelButton; }

    // Shows the item; the Cancel button only when the item allows it, enabled unless the run
    // was cancelled already. Without Cancel the bar takes the button's room.
    void refresh(const ZRNProgressDescriptor &descriptor, bool cancelled);

signals:
    void cancelRequested();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_titleLabel;
    QLabel *m_infoLabel;
    QLabel *m_descriptionLabel;
    QProgressBar *m_progressIndicator;
    QPushButton *m_cancelButton;
};

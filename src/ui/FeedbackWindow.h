#pragma once

#include "feedback/ZRNFeedbackProvider.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The feedback form: a subject, the reply address, the message and "send me a copy". Send
// posts it while the form waits, greyed, with "Sending…"; success thanks the user and closes
// the form, a failure says why and leaves the form as it was, message and all.
class FeedbackWindow : public QDialog
{
    Q_OBJECT

public:
    explicit FeedbackWindow(ZRNFeedbackProvider provider = ZRNFeedbackProvider(),
                            QWidget *parent = nullptr);

    // The form with the address and the check box as the user left them, an empty message and
    // the first subject.
    void showFeedbackProviderDialog();

    QComboBox *subjectField() const { return m_subjectField; }
    QLineEdit *emailAdress() const { return m_emailAdress; }
    QPlainTextEdit *messageText() const { return m_messageText; }
    QCheckBox *sendMeACopyButton() const { return m_sendMeACopyButton; }
    QPushButton *sendButton() const { return m_sendButton; }
    QLabel *statusLabel() const { return m_status; }

    // Escape and the window's close button cancel like the Cancel button.
    void reject() override;

private:
    void sendFeedbackButtonAction();
    void sent(bool ok, const QString &failure);
    void setSending(bool sending);
    void closeFeedbackWindow();
    void openURL();

    ZRNFeedbackProvider m_provider;
    QComboBox *m_subjectField;
    QLineEdit *m_emailAdress;
    QPlainTextEdit *m_messageText;
    QCheckBox *m_sendMeACopyButton;
    QPushButton *m_sendButton;
    QLabel *m_status;
};

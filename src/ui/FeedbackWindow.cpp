#include "FeedbackWindow.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FeedbackWindow::FeedbackWindow(ZRNFeedbackProvider provider, QWidget *parent)
    : QDialog(parent)
    , m_provider(std::move(provider))
    , m_subjectField(new QComboBox(this))
    , m_emailAdress(new QLineEdit(this))
    , m_messageText(new QPlainTextEdit(this))
    , m_sendMeACopyButton(new QCheckBox(localized("LSFeedbackSendMeACopy"), this))
    , m_status(new QLabel(this))
{
    setWindowTitle(localized("LSFeedbackTitle"));
    m_subjectField->addItems(ZRNFeedbackProvider::subjects());
    m_emailAdress->setInputMethodHints(Qt::ImhEmailCharactersOnly);
    m_messageText->setTabChangesFocus(true);

    auto *form = new QFormLayout;
    form->addRow(localized("LSFeedbackSubject"), m_subjectField);
    form->addRow(localized("LSFeedbackFrom"), m_emailAdress);
    form->addRow(localized("LSFeedbackMessage"), m_messageText);
    form->addRow(QString(), m_sendMeACopyButton);

    auto *buttons = new QDialogButtonBox(this);
    if (!m_provider.feedbackURL().isEmpty())
        connect(buttons->addButton(localized("LSFeedbackWebPage"), QDialogButtonBox::HelpRole),
                &QPushButton::clicked, this, &FeedbackWindow::openURL);
    m_sendButton = buttons->addButton(localized("LSFeedbackSend"), QDialogButtonBox::AcceptRole);
    m_sendButton->setDefault(true);
    connect(m_sendButton, &QPushButton::clicked, this, &FeedbackWindow::sendFeedbackButtonAction);
    connect(buttons->addButton(localized("LSFeedbackCancel"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &FeedbackWindow::closeFeedbackWindow);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(560, 420);
}

void FeedbackWindow::showFeedbackProviderDialog()
{
    const ZRNFeedbackProvider::Message last = ZRNFeedbackProvider::lastChoices();
    m_sendMeACopyButton->setChecked(last.sendMeACopy);
    m_emailAdress->setText(last.from);
    m_messageText->clear();
    m_subjectField->setCurrentIndex(0);
    m_status->clear();
    // Typing starts where the user has something to write.
    (last.from.isEmpty() ? static_cast<QWidget *>(m_emailAdress) : m_messageText)->setFocus();
    show();
    raise();
    activateWindow();
}

void FeedbackWindow::sendFeedbackButtonAction()
{
    const ZRNFeedbackProvider::Message message{m_subjectField->currentText(), m_emailAdress->text(),
                                               m_messageText->toPlainText(),
                                               m_sendMeACopyButton->isChecked()};
    setSending(true);
    m_provider.send(message, this, [this](bool ok, const QString &failure) { sent(ok, failure); });
}

void FeedbackWindow::sent(bool ok, const QString &failure)
{
    setSending(false);
    ZRNAlert::Options options;
    options.buttons = {localized("FEEDBACK_OK")};
    options.escapeButton = 0;
    if (ok) {
        closeFeedbackWindow();
        options.messageText = localized("FEEDBACK_SUCCESS_TITLE");
        options.informativeText = localized("FEEDBACK_SUCCESS_MESSAGE");
        options.icon = QMessageBox::Information;
        ZRNAlert::beginSheet(nullptr, options, [](const ZRNAlert::Result &) {});
        return;
    }
    // The form stays as the user left it: the message is the user's work.
    options.messageText = localized("FEEDBACK_ERROR_TITLE");
    options.informativeText = localized("FEEDBACK_ERROR_MESSAGE").arg(failure);
    m_status->setText(options.informativeText);
    ZRNAlert::beginSheet(this, options, [](const ZRNAlert::Result &) {});
}

void FeedbackWindow::setSending(bool sending)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{
             m_subjectField, m_emailAdress, m_messageText, m_sendMeACopyButton, m_sendButton})
        widget->setEnabled(!sending);
    m_status->setText(sending ? localized("LSSending") : QString());
}

void FeedbackWindow::reject()
{
    closeFeedbackWindow();
}

void FeedbackWindow::closeFeedbackWindow()
{
    m_messageText->clear();
    m_subjectField->setCurrentIndex(0);
    hide();
}

void FeedbackWindow::openURL()
{
    QDesktopServices::openUrl(m_provider.feedbackURL());
    closeFeedbackWindow();
}

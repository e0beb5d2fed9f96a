#include "CrashReporterWindow.h"

#include "foundation/LocalizedStrings.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CrashReporterWindow::CrashReporterWindow(ZRNCrashReporter reporter, const QString &reportPath,
                                         QWidget *parent)
    : QDialog(parent)
    , m_reporter(std::move(reporter))
    , m_reportTextView(new QPlainTextEdit(m_reporter.reportText(reportPath), this))
    , m_describeTextView(new QPlainTextEdit(this))
    , m_status(new QLabel(this))
{
    setWindowTitle(localized("LSCrashReporterTitle"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_reportTextView->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_describeTextView->setFixedHeight(90);
    m_describeTextView->setTabChangesFocus(true);
    m_describeTextView->setFocus();

    auto *buttons = new QDialogButtonBox(this);
    if (m_reporter.canSend()) {
        m_sendButton =
            buttons->addButton(localized("LSCrashReporterSend"), QDialogButtonBox::AcceptRole);
        m_sendButton->setDefault(true);
        connect(m_sendButton, &QPushButton::clicked, this, &CrashReporterWindow::send);
    }
    connect(buttons->addButton(localized("LSCrashReporterCopy"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &CrashReporterWindow::copyReport);
    connect(buttons->addButton(localized("LSCrashReporterSave"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &CrashReporterWindow::saveReport);
    connect(buttons->addButton(localized("LSCrashReporterClose"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(localized("LSCrashReporterIntro"), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(m_reportTextView, 1);
    layout->addWidget(new QLabel(localized("LSCrashReporterDescribe"), this));
    layout->addWidget(m_describeTextView);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(720, 560);
}

void CrashReporterWindow::checkForCrash(const ZRNCrashReporter &reporter,
                                        std::function<void()> done)
{
    const QString path = reporter.reportToOffer();
    if (path.isEmpty()) {
        done();
        return;
    }
    const QString name = QGuiApplication::applicationDisplayName();
    auto *question = new QMessageBox(
        QMessageBox::Warning, localized("WANT_TO_SEND_CRASH_TITLE"),
        localized(reporter.canSend() ? "WANT_TO_SEND_CRASH" : "LSCrashReportOffer").arg(name));
    question->setWindowModality(Qt::ApplicationModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *show = question->addButton(
        localized(reporter.canSend() ? "WANT_TO_SEND_CRASH_SEND" : "LSCrashReportShow"),
        QMessageBox::AcceptRole);
    question->addButton(
        localized(reporter.canSend() ? "WANT_TO_SEND_CRASH_DONT_SEND" : "LSCrashReportIgnore"),
        QMessageBox::RejectRole);
    question->setDefaultButton(show);
    connect(question, &QMessageBox::finished, question, [question, show, reporter, path, done] {
        if (question->clickedButton() == show) {
            auto *window = new CrashReporterWindow(reporter, path);
            window->show();
        }
        done();
    });
    question->open();
}

// The window stays while the report is on its way; a failure says why and keeps the texts.
void CrashReporterWindow::send()
{
    m_sendButton->setEnabled(false);
    m_status->setText(localized("LSSending"));
    m_reporter.send(m_reportTextView->toPlainText(), m_describeTextView->toPlainText(), this,
                    [this](bool sent, const QString &failure) {
                        if (sent) {
                            accept();
                            return;
                        }
                        m_sendButton->setEnabled(true);
                        m_status->setText(localized("LSCrashReporterSendFailed").arg(failure));
                    });
}

void CrashReporterWindow::copyReport()
{
    QGuiApplication::clipboard()->setText(m_reportTextView->toPlainText());
}

void CrashReporterWindow::saveReport()
{
    auto *panel = new QFileDialog(this, localized("LSCrashReporterSaveTitle"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->selectFile(
        QDir::home().filePath(m_reporter.applicationName() + QStringLiteral("-crash.txt")));
    connect(panel, &QFileDialog::fileSelected, this, [this](const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(m_reportTextView->toPlainText().toUtf8()) < 0 || !file.flush())
            m_status->setText(localized("LSCrashReporterSaveFailed").arg(path, file.errorString()));
    });
    panel->open();
}

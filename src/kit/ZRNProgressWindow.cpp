#include "ZRNProgressWindow.h"

#include "ZRNProgressDescriptor.h"

#include "foundation/LocalizedStrings.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int s_windowWidth = 420;

int barPosition(const ZRNProgressDescriptor &descriptor)
{
    const double span = descriptor.maxValue() - descriptor.minValue();
    if (span <= 0)
        return 0;
    const double fraction = (descriptor.clampedValue() - descriptor.minValue()) / span;
    return int(std::lround(fraction * ZRNProgressWindow::s_barSteps));
}

} // namespace

ZRNProgressWindow::ZRNProgressWindow(QWidget *parent)
    : QDialog(parent)
    , m_titleLabel(new QLabel(this))
    , m_infoLabel(new QLabel(this))
    , m_descriptionLabel(new QLabel(this))
    , m_progressIndicator(new QProgressBar(this))
    , m_cancelButton(new QPushButton(localized("LSCancel"), this))
{
    setObjectName(QStringLiteral("ZRNProgressWindow"));
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    m_titleLabel->setFont(bold);
    m_progressIndicator->setTextVisible(false);
    m_cancelButton->setAutoDefault(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &ZRNProgressWindow::cancelRequested);

    auto *barRow = new QHBoxLayout;
    barRow->addWidget(m_progressIndicator, 1);
    barRow->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_titleLabel);
    layout->addWidget(m_infoLabel);
    layout->addLayout(barRow);
    layout->addWidget(m_descriptionLabel);
    setMinimumWidth(s_windowWidth);
}

void ZRNProgressWindow::refresh(const ZRNProgressDescriptor &descriptor, bool cancelled)
{
    m_titleLabel->setText(descriptor.title());
    m_infoLabel->setText(descriptor.infoText());
    const QString description = descriptor.progressDescription();
    m_descriptionLabel->setText(description);
    m_descriptionLabel->setVisible(!description.isEmpty());
    if (descriptor.isIndeterminate()) {
        m_progressIndicator->setRange(0, 0);
    } else {
        m_progressIndicator->setRange(0, s_barSteps);
        m_progressIndicator->setValue(barPosition(descriptor));
    }
    m_cancelButton->setVisible(descriptor.allowCancel());
    m_cancelButton->setEnabled(descriptor.allowCancel() && !cancelled);
}

void ZRNProgressWindow::reject()
{
    if (m_cancelButton->isEnabled())
        emit cancelRequested();
}

void ZRNProgressWindow::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous()) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}

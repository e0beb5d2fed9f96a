#include "CommandSheet.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNSheetPresentation.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

const char s_tagProperty[] = "tag";

} // namespace

CommandSheet::CommandSheet(QWidget *window, Presentation presentation)
    : QDialog(window), m_window(window), m_presentation(presentation)
{
    if (presentation == Presentation::AttachedPanel)
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
}

void CommandSheet::begin()
{
    ZRNSheetPresentation::sharedPresentation().prepareSheetPresentationForWindow(m_window);
    if (m_presentation == Presentation::WindowModalSheet) {
        open();
        return;
    }
    show();
    raise();
    activateWindow();
}

QLayout *CommandSheet::makeButtons(const QString &confirmTitle)
{
    auto *layout = new QHBoxLayout;
    layout->addStretch();
    addButton(layout, localized("LSCancel"), s_cancelTag)->setAutoDefault(false);
    addButton(layout, confirmTitle, s_confirmTag)->setDefault(true);
    return layout;
}

QPushButton *CommandSheet::addButton(QBoxLayout *layout, const QString &title, int tag)
{
    auto *button = new QPushButton(title, this);
    button->setProperty(s_tagProperty, tag);
    connect(button, &QPushButton::clicked, this, [this, tag] { end(tag); });
    layout->addWidget(button);
    return button;
}

QPushButton *CommandSheet::button(int tag) const
{
    const auto buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        const QVariant buttonTag = button->property(s_tagProperty);
        if (buttonTag.isValid() && buttonTag.toInt() == tag)
            return button;
    }
    return nullptr;
}

void CommandSheet::reject()
{
    end(s_cancelTag);
}

void CommandSheet::end(int tag)
{
    if (!isVisible())
        return;
    ZRNSheetPresentation::sharedPresentation().cleanUpSheetPresentationForWindow(m_window);
    if (QWidget *field = focusWidget())
        field->clearFocus();
    QDialog::done(tag);
    finishWithTag(tag);
    deleteLater();
}

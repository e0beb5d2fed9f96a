#include "RadioChoices.h"

#include "foundation/LocalizedStrings.h"

#include <QBoxLayout>
#include <QRadioButton>

RadioChoices::RadioChoices(QWidget *owner, QBoxLayout *layout,
                           std::initializer_list<Choice> choices, int checked)
    : QButtonGroup(owner)
{
    for (const auto &[titleKey, tag] : choices) {
        auto *button = new QRadioButton(localized(titleKey), owner);
        addButton(button, tag);
        layout->addWidget(button);
    }
    if (QAbstractButton *choice = button(checked))
        choice->setChecked(true);
}

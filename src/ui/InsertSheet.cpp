#include "InsertSheet.h"

#include "foundation/LocalizedStrings.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>

InsertSheet::InsertSheet(QWidget *window, const char *titleKey, const char *countKey,
                         int maximumCount)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_form(new QFormLayout(this))
    , m_count(new CountField(maximumCount, this))
    , m_placement(new QButtonGroup(this))
{
    m_form->addRow(new QLabel(localized(titleKey), this));
    m_form->addRow(localized(countKey), m_count);
}

void InsertSheet::addChoice(const char *titleKey, int placement, bool enabled)
{
    auto *choice = new QRadioButton(localized(titleKey), this);
    choice->setEnabled(enabled);
    m_placement->addButton(choice, placement);
    m_form->addRow(choice);
}

void InsertSheet::finishLayout(QWidget *extra, int placement)
{
    if (extra)
        m_form->addRow(extra);
    m_placement->button(placement)->setChecked(true);
    m_form->addRow(makeButtons(localized("LSInsert")));
}

int InsertSheet::placement() const
{
    return m_placement->checkedId();
}

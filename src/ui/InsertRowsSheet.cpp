#include "InsertRowsSheet.h"

#include "foundation/LocalizedStrings.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>

InsertRowsSheet *InsertRowsSheet::beginSheet(QWidget *window, CSVDocument &document)
{
    auto *sheet = new InsertRowsSheet(window, document, CSVInsertRows::open(document));
    sheet->begin();
    return sheet;
}

InsertRowsSheet::InsertRowsSheet(QWidget *window, CSVDocument &document,
                                 const CSVInsertRows::Options &options)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_document(document)
    , m_options(options)
    , m_count(new CountField(s_maximumCount, this))
    , m_placement(new QButtonGroup(this))
{
    using Placement = CSVInsertRows::Options::Placement;
    auto *layout = new QFormLayout(this);
    layout->addRow(new QLabel(localized("LSInsertRowsTitle"), this));
    layout->addRow(localized("LSInsertRowsCount"), m_count);
    const auto addChoice = [&](const char *titleKey, Placement placement) {
        auto *choice = new QRadioButton(localized(titleKey), this);
        m_placement->addButton(choice, int(placement));
        layout->addRow(choice);
        return choice;
    };
    addChoice("LSInsertRowsAtBeginning", Placement::AtBeginning);
    addChoice("LSInsertRowsAtEnd", Placement::AtEnd);
    addChoice("LSInsertRowsBeforeSelection", Placement::BeforeFirstSelectedRow)
        ->setEnabled(options.canInsertBeforeSelection());
    m_placement->button(int(options.placement))->setChecked(true);
    layout->addRow(makeButtons(localized("LSInsert")));
}

void InsertRowsSheet::finish(bool confirmed)
{
    CSVInsertRows::Options options = m_options;
    options.count = m_count->count();
    options.placement = CSVInsertRows::Options::Placement(m_placement->checkedId());
    CSVInsertRows::close(m_document, options, confirmed);
}

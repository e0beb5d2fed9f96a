#include "SortRowsSheet.h"

#include "RadioChoices.h"

#include "document/CSVDocument.h"
#include "foundation/LocalizedStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

SortRowsSheet *SortRowsSheet::beginSheet(QWidget *window, CSVDocument &document)
{
    auto *sheet = new SortRowsSheet(window, document, CSVSortRows::open(document));
    sheet->begin();
    return sheet;
}

SortRowsSheet::SortRowsSheet(QWidget *window, CSVDocument &document,
                             const CSVSortRows::Options &options)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_document(document)
    , m_numbers(new QCheckBox(localized("LSSortCompareNumbers"), this))
{
    auto *form = new QFormLayout(this);
    form->addRow(new QLabel(localized("LSSortTitle"), this));
    for (size_t i = 0; i < m_keys.size(); ++i) {
        auto *row = new QHBoxLayout;
        m_keys[i] = makeKey(document, options.keys[i], i > 0, row);
        form->addRow(localized(i == 0 ? "LSSortBy" : "LSSortThenBy"), row);
    }
    m_numbers->setChecked(options.comparesNumbers);
    form->addRow(m_numbers);
    form->addRow(makeButtons(localized("LSSort")));
}

SortRowsSheet::KeyControls SortRowsSheet::makeKey(const CSVDocument &document,
                                                  const CSVSortRows::Key &key, bool offersNone,
                                                  QHBoxLayout *row)
{
    KeyControls controls;
    controls.column = new QComboBox(this);
    if (offersNone)
        controls.column->addItem(localized("LSSortNone"), QString());
    for (const CSVTableColumn &column : document.tableColumns().columns())
        controls.column->addItem(column.title(), column.identifier());
    controls.column->setCurrentIndex(std::max(controls.column->findData(key.identifier), 0));
    row->addWidget(controls.column, 1);
    controls.direction = new RadioChoices(
        this, row, {{"LSSortAscending", s_ascendingTag}, {"LSSortDescending", s_descendingTag}},
        key.ascending ? s_ascendingTag : s_descendingTag);
    return controls;
}

void SortRowsSheet::finish(bool confirmed)
{
    CSVSortRows::Options options;
    for (size_t i = 0; i < m_keys.size(); ++i) {
        options.keys[i].identifier = m_keys[i].column->currentData().toString();
        options.keys[i].ascending = m_keys[i].direction->checkedId() == s_ascendingTag;
    }
    options.comparesNumbers = m_numbers->isChecked();
    CSVSortRows::close(m_document, options, confirmed);
}

#include "InsertColumnsSheet.h"

#include "document/CSVDocument.h"
#include "foundation/LocalizedStrings.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>

InsertColumnsSheet *InsertColumnsSheet::beginSheet(QWidget *window, CSVDocument &document)
{
    auto *sheet = new InsertColumnsSheet(window, document, CSVInsertColumns::open(document));
    sheet->begin();
    return sheet;
}

InsertColumnsSheet::InsertColumnsSheet(QWidget *window, CSVDocument &document,
                                       const CSVInsertColumns::Options &options)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_document(document)
    , m_count(new CountField(s_maximumCount, this))
    , m_placement(new QButtonGroup(this))
    , m_columns(new QComboBox(this))
{
    using Placement = CSVInsertColumns::Options::Placement;
    const std::vector<CSVTableColumn> &columns = document.tableColumns().columns();
    for (size_t position = 0; position < columns.size(); ++position)
        m_columns->addItem(columns[position].title(), qint64(position));

    auto *layout = new QFormLayout(this);
    layout->addRow(new QLabel(localized("LSInsertColumnsTitle"), this));
    layout->addRow(localized("LSInsertColumnsCount"), m_count);
    const bool byColumn = CSVInsertColumns::canPlaceByColumn(document);
    const auto addChoice = [&](const char *titleKey, Placement placement, bool enabled) {
        auto *choice = new QRadioButton(localized(titleKey), this);
        choice->setEnabled(enabled);
        m_placement->addButton(choice, int(placement));
        layout->addRow(choice);
    };
    addChoice("LSInsertColumnsAtBeginning", Placement::AtBeginning, true);
    addChoice("LSInsertColumnsAtEnd", Placement::AtEnd, true);
    addChoice("LSInsertColumnsBefore", Placement::BeforeColumn, byColumn);
    addChoice("LSInsertColumnsAfter", Placement::AfterColumn, byColumn);
    m_columns->setEnabled(byColumn);
    layout->addRow(m_columns);
    m_placement->button(int(options.placement))->setChecked(true);
    layout->addRow(makeButtons(localized("LSInsert")));
}

void InsertColumnsSheet::finish(bool confirmed)
{
    CSVInsertColumns::Options options;
    options.count = m_count->count();
    options.placement = CSVInsertColumns::Options::Placement(m_placement->checkedId());
    options.column = m_columns->currentData().toLongLong();
    CSVInsertColumns::close(m_document, options, confirmed);
}

#include "InsertColumnsSheet.h"

#include "document/CSVDocument.h"

#include <QComboBox>

InsertColumnsSheet *InsertColumnsSheet::beginSheet(QWidget *window, CSVDocument &document)
{
    auto *sheet = new InsertColumnsSheet(window, document, CSVInsertColumns::open(document));
    sheet->begin();
    return sheet;
}

InsertColumnsSheet::InsertColumnsSheet(QWidget *window, CSVDocument &document,
                                       const CSVInsertColumns::Options &options)
    : InsertSheet(window, "LSInsertColumnsTitle", "LSInsertColumnsCount", s_maximumCount)
    , m_document(document)
    , m_columns(new QComboBox(this))
{
    using Placement = CSVInsertColumns::Options::Placement;
    const std::vector<CSVTableColumn> &columns = document.tableColumns().columns();
    for (size_t position = 0; position < columns.size(); ++position)
        m_columns->addItem(columns[position].title(), qint64(position));
    const bool byColumn = CSVInsertColumns::canPlaceByColumn(document);
    m_columns->setEnabled(byColumn);

    addChoice("LSInsertColumnsAtBeginning", int(Placement::AtBeginning));
    addChoice("LSInsertColumnsAtEnd", int(Placement::AtEnd));
    addChoice("LSInsertColumnsBefore", int(Placement::BeforeColumn), byColumn);
    addChoice("LSInsertColumnsAfter", int(Placement::AfterColumn), byColumn);
    finishLayout(m_columns, int(options.placement));
}

void InsertColumnsSheet::finish(bool confirmed)
{
    CSVInsertColumns::Options options;
    options.count = countField()->count();
    options.placement = CSVInsertColumns::Options::Placement(placement());
    options.column = m_columns->currentData().toLongLong();
    CSVInsertColumns::close(m_document, options, confirmed);
}

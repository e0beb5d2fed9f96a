#include "InsertRowsSheet.h"

InsertRowsSheet *InsertRowsSheet::beginSheet(QWidget *window, CSVDocument &document)
{
    auto *sheet = new InsertRowsSheet(window, document, CSVInsertRows::open(document));
    sheet->begin();
    return sheet;
}

InsertRowsSheet::InsertRowsSheet(QWidget *window, CSVDocument &document,
                                 const CSVInsertRows::Options &options)
    : InsertSheet(window, "LSInsertRowsTitle", "LSInsertRowsCount", s_maximumCount)
    , m_document(document)
    , m_options(options)
{
    using Placement = CSVInsertRows::Options::Placement;
    addChoice("LSInsertRowsAtBeginning", int(Placement::AtBeginning));
    addChoice("LSInsertRowsAtEnd", int(Placement::AtEnd));
    addChoice("LSInsertRowsBeforeSelection", int(Placement::BeforeFirstSelectedRow),
              options.canInsertBeforeSelection());
    finishLayout(nullptr, int(options.placement));
}

void InsertRowsSheet::finish(bool confirmed)
{
    CSVInsertRows::Options options = m_options;
    options.count = countField()->count();
    options.placement = CSVInsertRows::Options::Placement(placement());
    CSVInsertRows::close(m_document, options, confirmed);
}

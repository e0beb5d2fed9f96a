#pragma once

#include "InsertSheet.h"

#include "document/commands/CSVInsertRows.h"

class CSVDocument;

// The insert-rows sheet: how many empty rows, and where. Opening it clears the search filter.
class InsertRowsSheet : public InsertSheet
{
    Q_OBJECT

public:
    // More would not fit in memory beside a large table.
    static constexpr int s_maximumCount = 10'000'000;

    // Opens the sheet on the window, for its document.
    static InsertRowsSheet *beginSheet(QWidget *window, CSVDocument &document);

private:
    InsertRowsSheet(QWidget *window, CSVDocument &document, const CSVInsertRows::Options &options);
    void finish(bool confirmed) override;

    CSVDocument &m_document;
    CSVInsertRows::Options m_options;
};

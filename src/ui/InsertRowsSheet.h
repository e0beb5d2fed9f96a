#pragma once

#include "CommandSheet.h"
#include "CountField.h"

#include "document/commands/CSVInsertRows.h"

class CSVDocument;
class QButtonGroup;

// The insert-rows sheet: how many empty rows, and where. Opening it clears the search filter.
class InsertRowsSheet : public CommandSheet
{
    Q_OBJECT

public:
    // More would not fit in memory beside a large table.
    static constexpr int s_maximumCount = 10'000'000;

    // Opens the sheet on the window, for its document.
    static InsertRowsSheet *beginSheet(QWidget *window, CSVDocument &document);

    CountField *numberOfRowsToInsert() const { return m_count; }
    // One button per placement, the placement's number as its id.
    QButtonGroup *insertAtMatrix() const { return m_placement; }

private:
    InsertRowsSheet(QWidget *window, CSVDocument &document, const CSVInsertRows::Options &options);
    void finish(bool confirmed) override;

    CSVDocument &m_document;
    CSVInsertRows::Options m_options;
    CountField *m_count;
    QButtonGroup *m_placement;
};

#pragma once

#include "CommandSheet.h"
#include "CountField.h"

#include "document/commands/CSVInsertColumns.h"

class CSVDocument;
class QButtonGroup;
class QComboBox;

// The insert-columns sheet: how many empty columns, and where, perhaps beside a column chosen
// from the shown ones. The search filter stays in force.
class InsertColumnsSheet : public CommandSheet
{
    Q_OBJECT

public:
    // Each column gives every row a cell: more would not fit in memory beside a large table.
    static constexpr int s_maximumCount = 1'000;

    static InsertColumnsSheet *beginSheet(QWidget *window, CSVDocument &document);

    CountField *numberOfColumnsToInsert() const { return m_count; }
    // One button per placement, the placement's number as its id.
    QButtonGroup *insertAtColumnsMatrix() const { return m_placement; }
    // The shown columns by title, in display order; each item's data is its display position.
    QComboBox *insertAtColumnsPopup() const { return m_columns; }

private:
    InsertColumnsSheet(QWidget *window, CSVDocument &document,
                       const CSVInsertColumns::Options &options);
    void finish(bool confirmed) override;

    CSVDocument &m_document;
    CountField *m_count;
    QButtonGroup *m_placement;
    QComboBox *m_columns;
};

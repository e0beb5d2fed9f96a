#pragma once

#include "InsertSheet.h"

#include "document/commands/CSVInsertColumns.h"

class CSVDocument;
class QComboBox;

// The insert-columns sheet: how many empty columns, and where, perhaps beside a column chosen
// from the shown ones. The search filter stays in force.
class InsertColumnsSheet : public InsertSheet
{
    Q_OBJECT

public:
    // Each column gives every row a cell: more would not fit in memory beside a large table.
    static constexpr int s_maximumCount = 1'000;

    static InsertColumnsSheet *beginSheet(QWidget *window, CSVDocument &document);

    // The shown columns by title, in display order; each item's data is its display position.
    QComboBox *insertAtColumnsPopup() const { return m_columns; }

private:
    InsertColumnsSheet(QWidget *window, CSVDocument &document,
                       const CSVInsertColumns::Options &options);
    void finish(bool confirmed) override;

    CSVDocument &m_document;
    QComboBox *m_columns;
};

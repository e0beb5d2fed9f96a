#pragma once

#include "CommandSheet.h"

#include "document/commands/CSVDuplicateSearch.h"

class DocumentWindow;
class QComboBox;

// The sheet of Remove Duplicate Rows and Show Duplicate Rows: which column makes rows the
// same, or all of them. Opening it clears the search filter; confirming starts the search
// under a progress sheet (DuplicateRowsRun).
class DuplicateRowsSheet : public CommandSheet
{
    Q_OBJECT

public:
    using Purpose = CSVDuplicateSearch::Purpose;

    static DuplicateRowsSheet *beginSheet(DocumentWindow &window, Purpose purpose);

    // The key-column pop-up; its items carry the column identifiers as data.
    QComboBox *columnPopUpButton() const { return m_columnPopUpButton; }

private:
    DuplicateRowsSheet(DocumentWindow &window, Purpose purpose);
    void finish(bool confirmed) override;

    DocumentWindow &m_window;
    Purpose m_purpose;
    QComboBox *m_columnPopUpButton;
};

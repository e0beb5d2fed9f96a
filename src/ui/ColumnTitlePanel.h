#pragma once

#include "CommandSheet.h"

#include "document/CSVTableColumn.h"

class DocumentWindow;
class QLineEdit;

// The column title panel, attached just below the middle of the column's header. While it is
// open the window offers no command and the header's menu does not open.
class ColumnTitlePanel : public CommandSheet
{
    Q_OBJECT

public:
    // Opens the panel for the column at that display position; does nothing while a panel is
    // open already.
    static ColumnTitlePanel *beginPanel(DocumentWindow &window, qint64 column);

    QLineEdit *editHeaderTitleField() const { return m_field; }

private:
    ColumnTitlePanel(DocumentWindow &window, const CSVTableColumn &column);
    void attachBelowHeader(qint64 column);
    void finish(bool confirmed) override;

    DocumentWindow &m_window;
    CSVTableColumn m_editedTableColumn;
    QLineEdit *m_field;
};

#pragma once

#include "CommandSheet.h"

#include "document/commands/CSVMergeColumns.h"

class CSVDocument;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class MergeOrderModel;
class RadioChoices;

// The merge sheet: the selected columns in the order their cells are joined (the user drags
// them into another), the column that receives the result, what goes between two cells, and
// whether the other merged columns go.
class MergeColumnsSheet : public CommandSheet
{
    Q_OBJECT

public:
    static MergeColumnsSheet *beginSheet(QWidget *window, CSVDocument &document);

    QListView *mergeOrderingTableView() const { return m_order; }
    QComboBox *mergeDestinationColumnPopup() const { return m_destination; }
    RadioChoices *mergeSeparatorMatrix() const { return m_separator; }
    QLineEdit *mergeSeparatorTextField() const { return m_separatorText; }
    QCheckBox *mergeRemoveSourceColumnsButton() const { return m_removesSources; }

private:
    MergeColumnsSheet(QWidget *window, CSVDocument &document,
                      const CSVMergeColumns::Options &options);
    void mergeSeparatorTypeDidChanged();
    void finish(bool confirmed) override;

    CSVDocument &m_document;
    MergeOrderModel *m_orderModel;
    QListView *m_order;
    QComboBox *m_destination;
    RadioChoices *m_separator;
    QLineEdit *m_separatorText;
    QCheckBox *m_removesSources;
};

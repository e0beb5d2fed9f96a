#pragma once

#include "CommandSheet.h"

#include "document/search/CSVFindReplace.h"

class CSVDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The find-and-replace sheet: the search text, the replacement, the column to search, the
// ignore-case, regular-expression and selected-rows-only boxes, and the buttons Close, Select
// All, Replace All and Find, told apart by their tags (CSVFindReplace::Tag). A read-only
// document offers no Replace All. A regular expression that ICU cannot compile is named under
// the search text as it is typed, and again when a button found nothing because of it.
class FindReplaceSheet : public CommandSheet
{
    Q_OBJECT

public:
    // Opens the sheet on the window, for its document, showing the error when there is one.
    static FindReplaceSheet *beginSheet(QWidget *window, CSVDocument &document,
                                        const QString &error = {});

private:
    FindReplaceSheet(QWidget *window, CSVDocument &document);
    void fill(const CSVFindReplace::DialogValues &values);
    CSVFindReplace::DialogValues values() const;
    void checkPattern();
    void finishWithTag(int tag) override;

    CSVDocument &m_document;
    QLineEdit *m_searchText;
    QLabel *m_patternError;
    QLineEdit *m_replaceText;
    QComboBox *m_column;
    QCheckBox *m_ignoreCase;
    QCheckBox *m_useRegex;
    QCheckBox *m_selectedRowsOnly;
};

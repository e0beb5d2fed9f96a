#pragma once

#include "CommandSheet.h"

#include "document/commands/CSVFillColumns.h"

class CSVDocument;
class QCheckBox;
class QLineEdit;
class QTabWidget;
class RadioChoices;

// The fill sheet: a tab with a fixed text and a tab with a number series, each with how the
// value goes into the cells of the selected columns.
class FillColumnsSheet : public CommandSheet
{
    Q_OBJECT

public:
    static FillColumnsSheet *beginSheet(QWidget *window, CSVDocument &document);

    // The tabs' object names are "text" and "number".
    QTabWidget *fillTabView() const { return m_tabs; }
    QLineEdit *fillTextField() const { return m_text; }
    RadioChoices *fillTextMatrix() const { return m_textMode; }
    QLineEdit *fillNumberStartField() const { return m_start; }
    QLineEdit *fillNumberIncrementField() const { return m_increment; }
    RadioChoices *fillNumberMatrix() const { return m_numberMode; }
    QCheckBox *fillNumberInsertSeparatorButton() const { return m_separator; }

private:
    FillColumnsSheet(QWidget *window, CSVDocument &document,
                     const CSVFillColumns::Options &options);
    QWidget *makeTextTab(const CSVFillColumns::Options &options);
    QWidget *makeNumberTab(const CSVFillColumns::Options &options);
    void fillNumberTypeMatrixDidChanged();
    void finish(bool confirmed) override;

    CSVDocument &m_document;
    QTabWidget *m_tabs;
    QLineEdit *m_text = nullptr;
    RadioChoices *m_textMode = nullptr;
    QLineEdit *m_start = nullptr;
    QLineEdit *m_increment = nullptr;
    RadioChoices *m_numberMode = nullptr;
    QCheckBox *m_separator = nullptr;
};

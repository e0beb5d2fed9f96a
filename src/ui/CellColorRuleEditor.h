#pragma once

#include "CommandSheet.h"

#include <QColor>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class ZRNColorWell;

// The sheet that adds or edits a colouring rule: name, match text, the two flags and the
// colour. While the match text is a regular expression that does not compile, the sheet says
// so with ICU's reason; the user may still store it (it colours no cell).
class CellColorRuleEditor : public CommandSheet
{
    Q_OBJECT

public:
    struct Values
    {
        QString name;
        QString matchString;
        bool useRegex = false;
        bool ignorCase = true;
        QColor color;
    };
    // Runs with the sheet's values when the user confirmed.
    using Completion = std::function<void(const Values &values)>;

    // Opens the sheet over the window, titled by the key and filled with the values.
    static CellColorRuleEditor *beginSheet(QWidget *window, const char *titleKey,
                                           const Values &values, Completion completion);

    QLineEdit *nameTextField() const { return m_name; }
    QLineEdit *matchTextField() const { return m_match; }
    QCheckBox *useRegexButton() const { return m_useRegex; }
    QCheckBox *ignorCaseButton() const { return m_ignorCase; }
    ZRNColorWell *colorWell() const { return m_colorWell; }
    QLabel *expressionProblemLabel() const { return m_problem; }

private:
    CellColorRuleEditor(QWidget *window, const char *titleKey, const Values &values,
                        Completion completion);
    void finish(bool confirmed) override;
    void checkExpression();

    QLineEdit *m_name;
    QLineEdit *m_match;
    QCheckBox *m_useRegex;
    QCheckBox *m_ignorCase;
    ZRNColorWell *m_colorWell;
    QLabel *m_problem;
    Completion m_completion;
};

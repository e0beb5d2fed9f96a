#include "CellColorRuleEditor.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNColorWell.h"
#include "rules/CSVRuleExpression.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

CellColorRuleEditor *CellColorRuleEditor::beginSheet(QWidget *window, const char *titleKey,
                                                     const Values &values, Completion completion)
{
    auto *sheet = new CellColorRuleEditor(window, titleKey, values, std::move(completion));
    sheet->begin();
    return sheet;
}

CellColorRuleEditor::CellColorRuleEditor(QWidget *window, const char *titleKey,
                                         const Values &values, Completion completion)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_name(new QLineEdit(values.name, this))
    , m_match(new QLineEdit(values.matchString, this))
    , m_useRegex(new QCheckBox(localized("CellColorPrefUseRegex"), this))
    , m_ignorCase(new QCheckBox(localized("CellColorPrefIgnoreCase"), this))
    , m_colorWell(new ZRNColorWell(this))
    , m_problem(new QLabel(this))
    , m_completion(std::move(completion))
{
    m_useRegex->setChecked(values.useRegex);
    m_ignorCase->setChecked(values.ignorCase);
    m_colorWell->setColor(values.color);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    m_match->setMinimumWidth(320);

    auto *layout = new QFormLayout(this);
    auto *title = new QLabel(localized(titleKey), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addRow(title);
    layout->addRow(localized("CellColorPrefRuleName"), m_name);
    layout->addRow(localized("CellColorPrefMatchText"), m_match);
    layout->addRow(QString(), m_useRegex);
    layout->addRow(QString(), m_ignorCase);
    layout->addRow(QString(), m_problem);
    layout->addRow(localized("CellColorPrefRuleColor"), m_colorWell);
    layout->addRow(makeButtons(localized("LSOK")));

    connect(m_match, &QLineEdit::textChanged, this, &CellColorRuleEditor::checkExpression);
    connect(m_useRegex, &QCheckBox::toggled, this, &CellColorRuleEditor::checkExpression);
    checkExpression();
}

// Letter case is a choice only for plain text: an expression always minds it.
void CellColorRuleEditor::checkExpression()
{
    const bool regex = m_useRegex->isChecked();
    m_ignorCase->setEnabled(!regex);
    const QString problem =
        regex ? CSVRuleExpression(m_match->text()).errorDescription() : QString();
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    adjustSize(); // the message takes room of its own, or gives it back
}

void CellColorRuleEditor::finish(bool confirmed)
{
    if (confirmed) {
        m_completion({m_name->text(), m_match->text(), m_useRegex->isChecked(),
                      m_ignorCase->isChecked(), m_colorWell->color()});
    }
}

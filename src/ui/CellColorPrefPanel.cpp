#include "CellColorPrefPanel.h"

#include "CellColorRulesModel.h"
#include "CellColorRulesTableView.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNAlert.h"
#include "kit/ZRNColorWell.h"
#include "kit/ZRNColors.h"
#include "rules/CSVRulesManager.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

CellColorRuleEditor::Values valuesOf(const CSVRuleData &rule)
{
    return {rule.name(), rule.matchString(), rule.isUseRegex(), rule.isIgnorCase(),
            ZRNColors::toQColor(rule.cellColor())};
}

} // namespace

CellColorPrefPanel::CellColorPrefPanel(CSVRulesManager &store, QWidget *parent)
    : ZRNPreferencePane(parent)
    , m_store(store)
    , m_rulesModel(new CellColorRulesModel(store, this))
    , m_drawBackgroundButton(new QCheckBox(localized("CellColorPrefDrawBackground"), this))
    , m_emptyColorWell(new ZRNColorWell(this))
    , m_otherColorWell(new ZRNColorWell(this))
    , m_rulesTableView(new CellColorRulesTableView(this))
    , m_addButton(new QPushButton(QStringLiteral("+"), this))
    , m_removeButton(new QPushButton(QStringLiteral("−"), this))
    , m_lastRuleColor(QColor::fromRgbF(1.0f, 0.9f, 0.5f))
{
    m_rulesTableView->setModel(m_rulesModel);
    QHeaderView *header = m_rulesTableView->horizontalHeader();
    header->setSectionResizeMode(CellColorRulesModel::ActiveColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(CellColorRulesModel::NameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CellColorRulesModel::ColorColumn, QHeaderView::Fixed);
    header->resizeSection(CellColorRulesModel::ColorColumn, 64);
    m_addButton->setToolTip(localized("CellColorPrefAddRuleToolTip"));
    m_removeButton->setToolTip(localized("CellColorPrefRemoveRuleToolTip"));

    auto *colors = new QFormLayout;
    colors->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    colors->addRow(localized("CellColorPrefEmptyColor"), m_emptyColorWell);
    colors->addRow(localized("CellColorPrefOtherColor"), m_otherColorWell);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_drawBackgroundButton);
    layout->addLayout(colors);
    layout->addWidget(m_rulesTableView, 1);
    layout->addLayout(buttons);

    connect(m_drawBackgroundButton, &QCheckBox::clicked, this, &CellColorPrefPanel::buttonChanged);
    for (ZRNColorWell *well : {m_emptyColorWell, m_otherColorWell})
        connect(well, &ZRNColorWell::colorChanged, this, &CellColorPrefPanel::colorChanged);
    connect(m_addButton, &QPushButton::clicked, this, &CellColorPrefPanel::addRule);
    connect(m_removeButton, &QPushButton::clicked, this, &CellColorPrefPanel::removeRule);
    connect(m_rulesTableView, &QTableView::doubleClicked, this,
            &CellColorPrefPanel::handleTableViewDoubleClick);
    connect(m_rulesTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CellColorPrefPanel::updateUI);
    // From the keyboard: Delete removes the selected rules, Return edits the current one.
    new QShortcut(QKeySequence::Delete, m_rulesTableView, this, &CellColorPrefPanel::removeRule,
                  Qt::WidgetShortcut);
    new QShortcut(
        QKeySequence(Qt::Key_Return), m_rulesTableView, this,
        [this] {
            const QModelIndex current = m_rulesTableView->currentIndex();
            if (current.isValid())
                editRule(m_store.ruleAtIndex(current.row()));
        },
        Qt::WidgetShortcut);
    updateUI();
}

QString CellColorPrefPanel::label() const
{
    return localized("CellColorPrefPanelName");
}

QString CellColorPrefPanel::toolTipText() const
{
    return localized("CellColorPrefToolTip");
}

QIcon CellColorPrefPanel::icon() const
{
    return QIcon(QStringLiteral(":/images/ColorPref.svg"));
}

void CellColorPrefPanel::willSelect()
{
    m_drawBackgroundButton->setChecked(
        UserDefaults::standard().boolForKey(key(DefaultsKeys::DrawCellBackgroundColor)));
    m_emptyColorWell->setColor(ZRNColors::toQColor(m_store.emptyCellColor()));
    m_otherColorWell->setColor(ZRNColors::toQColor(m_store.otherCellColor()));
    m_rulesModel->reload();
    updateUI();
}

void CellColorPrefPanel::buttonChanged()
{
    UserDefaults::standard().setObject(key(DefaultsKeys::DrawCellBackgroundColor),
                                       m_drawBackgroundButton->isChecked());
    NotificationCenter::defaultCenter().post(QStringLiteral("PrefsChanged"));
}

void CellColorPrefPanel::colorChanged()
{
    m_store.setEmptyCellColor(ZRNColors::toRGBAColor(m_emptyColorWell->color()));
    m_store.setOtherCellColor(ZRNColors::toRGBAColor(m_otherColorWell->color()));
    m_store.rulesDidChanged();
}

CellColorRuleEditor *CellColorPrefPanel::addRule()
{
    const CellColorRuleEditor::Values values{localized("CellColorPrefNewRule"), QString(), false,
                                             true, m_lastRuleColor};
    return CellColorRuleEditor::beginSheet(
        window(), "CellColorPrefAddNewRule", values,
        [this](const CellColorRuleEditor::Values &result) {
            m_lastRuleColor = result.color;
            m_store.addRule(CSVRuleData::ruleWithName(result.name, result.matchString,
                                                      result.useRegex, result.ignorCase,
                                                      ZRNColors::toRGBAColor(result.color), true));
            rulesChanged();
        });
}

// The same rule object takes the sheet's values; its place and its switch stay.
CellColorRuleEditor *CellColorPrefPanel::editRule(const std::shared_ptr<CSVRuleData> &rule)
{
    m_lastRuleColor = ZRNColors::toQColor(rule->cellColor());
    return CellColorRuleEditor::beginSheet(window(), "CellColorPrefEditRule", valuesOf(*rule),
                                           [this, rule](const CellColorRuleEditor::Values &result) {
                                               m_lastRuleColor = result.color;
                                               rule->setName(result.name);
                                               rule->setMatchString(result.matchString);
                                               rule->setCellColor(
                                                   ZRNColors::toRGBAColor(result.color));
                                               rule->setIgnorCase(result.ignorCase);
                                               rule->setUseRegex(result.useRegex);
                                               rulesChanged();
                                           });
}

// The rules are taken when the user asks, so the answer removes exactly those.
void CellColorPrefPanel::removeRule()
{
    std::vector<int> rows;
    for (const QModelIndex &index : m_rulesTableView->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.rbegin(), rows.rend());
    CSVRulesManager::RuleList rules;
    for (int row : rows)
        rules.push_back(m_store.ruleAtIndex(row));
    if (rules.empty())
        return;
    // Keeping the rules changes nothing: the store is not saved then.
    const auto remove = [this, rules](bool confirmed) {
        if (!confirmed) {
            m_rulesModel->reload();
            updateUI();
            return;
        }
        for (const std::shared_ptr<CSVRuleData> &rule : rules)
            m_store.removeRule(rule);
        rulesChanged();
    };
    const QString suppressKey = key(DefaultsKeys::RuleDeleteAlertSuppress);
    if (UserDefaults::standard().boolForKey(suppressKey)) {
        remove(true);
        return;
    }
    ZRNAlert::confirm(window(), localized("CellColorPrefRemoveRuleEntryTitle"),
                      localized("CellColorPrefRemoveRuleEntry"), true,
                      [remove, suppressKey](bool confirmed, bool suppress) {
                          if (confirmed && suppress)
                              UserDefaults::standard().setObject(suppressKey, true);
                          remove(confirmed);
                      });
}

void CellColorPrefPanel::handleTableViewDoubleClick(const QModelIndex &index)
{
    if (index.isValid() && index.column() != CellColorRulesModel::ActiveColumn &&
        index.row() < m_store.numberOfRules())
        editRule(m_store.ruleAtIndex(index.row()));
}

void CellColorPrefPanel::rulesChanged()
{
    m_store.rulesDidChanged();
    m_rulesModel->reload();
    updateUI();
}

void CellColorPrefPanel::updateUI()
{
    m_removeButton->setEnabled(m_rulesTableView->selectionModel()->hasSelection());
}

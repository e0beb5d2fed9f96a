#pragma once

#include "CellColorRuleEditor.h"

#include "kit/ZRNPreferencePane.h"

#include <memory>

class CSVRuleData;
class CSVRulesManager;
class CellColorRulesModel;
class QCheckBox;
class QPushButton;
class QTableView;
class ZRNColorWell;

// The "Cell colours" pane of the preferences: the switch for cell backgrounds, the colours of
// empty and of unmatched cells, and the ordered rule list (add, edit in a sheet, remove after
// asking, switch on and off in place, reorder by dragging). It keeps nothing of its own: every
// change goes straight into the rules store or the settings, and the windows repaint.
class CellColorPrefPanel : public ZRNPreferencePane
{
    Q_OBJECT

public:
    explicit CellColorPrefPanel(CSVRulesManager &store, QWidget *parent = nullptr);

    QString identifier() const override { return QStringLiteral("CellColorPrefPanel"); }
    QString label() const override;
    QString toolTipText() const override;
    QIcon icon() const override;
    void willSelect() override;

    QCheckBox *drawBackgroundButton() const { return m_drawBackgroundButton; }
    ZRNColorWell *emptyColorWell() const { return m_emptyColorWell; }
    ZRNColorWell *otherColorWell() const { return m_otherColorWell; }
    QTableView *rulesTableView() const { return m_rulesTableView; }
    QPushButton *addButton() const { return m_addButton; }
    QPushButton *removeButton() const { return m_removeButton; }

    CellColorRuleEditor *addRule();
    CellColorRuleEditor *editRule(const std::shared_ptr<CSVRuleData> &rule);
    void removeRule();

private:
    void buttonChanged();
    void colorChanged();
    void handleTableViewDoubleClick(const QModelIndex &index);
    void rulesChanged();
    void updateUI();

    CSVRulesManager &m_store;
    CellColorRulesModel *m_rulesModel;
    QCheckBox *m_drawBackgroundButton;
    ZRNColorWell *m_emptyColorWell;
    ZRNColorWell *m_otherColorWell;
    QTableView *m_rulesTableView;
    QPushButton *m_addButton;
    QPushButton *m_removeButton;
    // The sheet's colour well keeps the colour it showed last.
    QColor m_lastRuleColor;
};

#pragma once

#include "CSVRuleData.h"

#include "foundation/IndexSet.h"
#include "foundation/RGBAColor.h"

#include <QAnyStringView>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <string>
#include <vector>

// The application's cell colouring rules: an ordered list of rules and the colours of empty
// cells and of cells no rule matches, kept in the user defaults. Given a cell's text it answers
// the colour to paint behind the cell; the tables ask it for every cell they draw.
//
// The list, the rules and the colours change only through the preferences pane, which calls
// rulesDidChanged after each change: that tells the windows to repaint and saves the store.
class CSVRulesManager
{
public:
    using RuleList = std::vector<std::shared_ptr<CSVRuleData>>;

    // The one store of the running application, read from the user defaults at first use.
    static CSVRulesManager &sharedManager();

    // A store read from the user defaults. A stored list or colour that cannot be read (edited
    // by hand, or written by a newer version) gives the factory value, and stays stored as it
    // is until the rules are next changed.
    CSVRulesManager();

    // The factory values of the store's settings: the two colours and the built-in rules,
    // named in the user's language.
    static QVariantMap factoryDefaults();

    RuleList rules() const { return m_rules; }
    qint64 numberOfRules() const { return qint64(m_rules.size()); }
    const std::shared_ptr<CSVRuleData> &ruleAtIndex(qint64 index) const;
    // Neither notifies nor saves: the caller follows with rulesDidChanged.
    void addRule(const std::shared_ptr<CSVRuleData> &rule);
    // Removes that very rule object, wherever it stands.
    void removeRule(const std::shared_ptr<CSVRuleData> &rule);
    // Moves the rules at the indexes, in their order, so that the first lands where the rule
    // at the destination stood once they are taken out; then saves. Does not notify.
    void moveRules(const IndexSet &indexes, qint64 destination);

    const RGBAColor &emptyCellColor() const { return m_emptyCellColor; }
    void setEmptyCellColor(const RGBAColor &color) { m_emptyCellColor = color; }
    const RGBAColor &otherCellColor() const { return m_otherCellColor; }
    void setOtherCellColor(const RGBAColor &color) { m_otherCellColor = color; }

    // Posts "CSVRulesManagerRulesDidChanged", then saves.
    void rulesDidChanged();
    // Writes the colours and the list to the user defaults and to disk.
    void synchronize();

    // The colour behind a cell with this text: the empty colour for an empty text, else the
    // colour of the first active rule that matches, else the other colour. A text too long to
    // search on every repaint gets the other colour.
    const RGBAColor &colorMatchingString(QAnyStringView text) const;

private:
    // The text as UTF-16, widened into scratch when it is not: no allocation per cell.
    QStringView utf16(QAnyStringView text) const;

    RuleList m_rules;
    RGBAColor m_emptyCellColor;
    RGBAColor m_otherCellColor;
    mutable std::u16string m_scratch;
};

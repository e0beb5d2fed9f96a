#pragma once

#include "CSVRuleExpression.h"

#include "foundation/RGBAColor.h"

#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>

// One colouring rule: cells whose text it matches get its colour. The match text is a plain
// text found anywhere in the cell (ignoring letter case when asked) or a regular expression
// (where case always matters). Rules are shared objects: the store and the preferences pane
// hold the same rule, and find it by identity.
class CSVRuleData
{
public:
    CSVRuleData(const QString &name, const QString &matchString, bool useRegex, bool ignorCase,
                const RGBAColor &cellColor, bool active);
    static std::shared_ptr<CSVRuleData> ruleWithName(const QString &name,
                                                     const QString &matchString, bool useRegex,
                                                     bool ignorCase, const RGBAColor &cellColor,
                                                     bool active);

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    const QString &matchString() const { return m_matchString; }
    void setMatchString(const QString &matchString);
    bool isUseRegex() const { return m_useRegex; }
    void setUseRegex(bool useRegex) { m_useRegex = useRegex; }
    bool isIgnorCase() const { return m_ignorCase; }
    void setIgnorCase(bool ignorCase) { m_ignorCase = ignorCase; }
    const RGBAColor &cellColor() const { return m_cellColor; }
    void setCellColor(const RGBAColor &cellColor) { m_cellColor = cellColor; }
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    // Whether the rule matches a cell's text, active or not. An empty match text matches
    // nothing; the expression is compiled at the first match and kept until the text changes.
    bool matches(QStringView text) const;
    // Why the rule can match nothing: its expression does not compile. Empty otherwise.
    QString problem() const;

    // The stored form: a map under the keys "name", "matchString", "cellColor", "useRegex",
    // "ignorCase" and "active". A map missing any of them, or holding a wrong kind of value,
    // is no rule.
    QVariantMap archive() const;
    static std::shared_ptr<CSVRuleData> unarchive(const QVariantMap &map);

private:
    const CSVRuleExpression &expression() const;

    QString m_name;
    QString m_matchString;
    bool m_useRegex = false;
    bool m_ignorCase = false;
    RGBAColor m_cellColor;
    bool m_active = true;
    mutable std::unique_ptr<CSVRuleExpression> m_expression;
};

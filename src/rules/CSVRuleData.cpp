#include "CSVRuleData.h"

namespace {

const QString s_nameKey = QStringLiteral("name");
const QString s_matchStringKey = QStringLiteral("matchString");
const QString s_cellColorKey = QStringLiteral("cellColor");
const QString s_useRegexKey = QStringLiteral("useRegex");
const QString s_ignorCaseKey = QStringLiteral("ignorCase");
const QString s_activeKey = QStringLiteral("active");

bool holds(const QVariantMap &map, const QString &key, QMetaType::Type type)
{
    return map.value(key).typeId() == type;
}

} // namespace

CSVRuleData::CSVRuleData(const QString &name, const QString &matchString, bool useRegex,
                         bool ignorCase, const RGBAColor &cellColor, bool active)
    : m_name(name)
    , m_matchString(matchString)
    , m_useRegex(useRegex)
    , m_ignorCase(ignorCase)
    , m_cellColor(cellColor)
    , m_active(active)
{}

std::shared_ptr<CSVRuleData> CSVRuleData::ruleWithName(const QString &name,
                                                       const QString &matchString, bool useRegex,
                                                       bool ignorCase, const RGBAColor &cellColor,
                                                       bool active)
{
    return std::make_shared<CSVRuleData>(name, matchString, useRegex, ignorCase, cellColor, active);
}

void CSVRuleData::setMatchString(const QString &matchString)
{
    if (matchString == m_matchString)
        return;
    m_matchString = matchString;
    m_expression.reset();
}

bool CSVRuleData::matches(QStringView text) const
{
    if (m_matchString.isEmpty())
        return false;
    if (!m_useRegex)
        return text.contains(m_matchString, m_ignorCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return expression().findsMatch(text);
}

QString CSVRuleData::problem() const
{
    return m_useRegex ? expression().errorDescription() : QString();
}

const CSVRuleExpression &CSVRuleData::expression() const
{
    if (!m_expression)
        m_expression = std::make_unique<CSVRuleExpression>(m_matchString);
    return *m_expression;
}

QVariantMap CSVRuleData::archive() const
{
    return {{s_nameKey, m_name},
            {s_matchStringKey, m_matchString},
            {s_cellColorKey, m_cellColor.toVariant()},
            {s_useRegexKey, m_useRegex},
            {s_ignorCaseKey, m_ignorCase},
            {s_activeKey, m_active}};
}

std::shared_ptr<CSVRuleData> CSVRuleData::unarchive(const QVariantMap &map)
{
    const std::optional<RGBAColor> color = RGBAColor::fromVariant(map.value(s_cellColorKey));
    const bool complete = color && holds(map, s_nameKey, QMetaType::QString) &&
                          holds(map, s_matchStringKey, QMetaType::QString) &&
                          holds(map, s_useRegexKey, QMetaType::Bool) &&
                          holds(map, s_ignorCaseKey, QMetaType::Bool) &&
                          holds(map, s_activeKey, QMetaType::Bool);
    if (!complete)
        return nullptr;
    return ruleWithName(map.value(s_nameKey).toString(), map.value(s_matchStringKey).toString(),
                        map.value(s_useRegexKey).toBool(), map.value(s_ignorCaseKey).toBool(),
                        *color, map.value(s_activeKey).toBool());
}

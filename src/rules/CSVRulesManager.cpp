#include "CSVRulesManager.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <optional>
#include <type_traits>

namespace {

const QString s_rulesKey = QString::fromLatin1(DefaultsKeys::CellColorRules);
const QString s_emptyColorKey = QString::fromLatin1(DefaultsKeys::EmptyColor);
const QString s_otherColorKey = QString::fromLatin1(DefaultsKeys::OtherColor);

struct BuiltInRule
{
    const char *nameKey;
    const char16_t *expression;
    RGBAColor color;
};

// Numbers with an optional decimal part, Roman numerals, e-mail and internet addresses.
const BuiltInRule s_builtInRules[] = {
    {"LSRMIntegralNumber", uR"(^(?:|0|[0-9]\d*)(?:(\.|\,)\d*)?$)", {0.4, 0.8, 1.0, 1.0}},
    {"LSRMRomanNumerals",
     uR"(^(?=[MDCLXVI])M*(C[MD]|D?C*)(X[CL]|L?X*)(I[XV]|V?I*)$)",
     {1.0, 191 / 255.0, 1.0, 1.0}},
    {"LSRMEMailAddress",
     uR"(^([a-zA-Z0-9_\-\.]+)@((\[[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,3}\.)|(([a-zA-Z0-9\-]+\.)+))([a-zA-Z]{2,4}|[0-9]{1,3})(\]?)$)",
     {137 / 255.0, 1.0, 109 / 255.0, 1.0}},
    {"LSRMInternetAddress",
     uR"(^(https?|ftp)://[a-z0-9-]+(\.[a-z0-9-]+)+([/?].+)?$)",
     {232 / 255.0, 221 / 255.0, 109 / 255.0, 1.0}},
};

// The list is stored as JSON text: a settings file shows it as one line a person can read,
// whatever the settings format does with nested lists and maps.
QString archiveRules(const CSVRulesManager::RuleList &rules)
{
    QVariantList list;
    for (const std::shared_ptr<CSVRuleData> &rule : rules)
        list.append(rule->archive());
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromVariantList(list)).toJson(QJsonDocument::Compact));
}

std::optional<CSVRulesManager::RuleList> unarchiveRules(const QVariant &value)
{
    const QJsonDocument json = QJsonDocument::fromJson(value.toString().toUtf8());
    if (value.typeId() != QMetaType::QString || !json.isArray())
        return std::nullopt;
    CSVRulesManager::RuleList rules;
    const QVariantList list = json.array().toVariantList();
    for (const QVariant &item : list) {
        std::shared_ptr<CSVRuleData> rule = CSVRuleData::unarchive(item.toMap());
        if (!rule)
            return std::nullopt;
        rules.push_back(std::move(rule));
    }
    return rules;
}

// The stored value as read, else the factory value.
template<typename T, typename Read>
T readOrFactory(const QString &key, Read read)
{
    if (std::optional<T> stored = read(UserDefaults::standard().object(key)))
        return *stored;
    return *read(CSVRulesManager::factoryDefaults().value(key));
}

} // namespace

CSVRulesManager &CSVRulesManager::sharedManager()
{
    static CSVRulesManager s_instance;
    return s_instance;
}

CSVRulesManager::CSVRulesManager()
    : m_rules(readOrFactory<RuleList>(s_rulesKey, unarchiveRules))
    , m_emptyCellColor(readOrFactory<RGBAColor>(s_emptyColorKey, RGBAColor::fromVariant))
    , m_otherCellColor(readOrFactory<RGBAColor>(s_otherColorKey, RGBAColor::fromVariant))
{}

QVariantMap CSVRulesManager::factoryDefaults()
{
    RuleList rules;
    for (const BuiltInRule &builtIn : s_builtInRules) {
        rules.push_back(CSVRuleData::ruleWithName(localized(builtIn.nameKey),
                                                  QString::fromUtf16(builtIn.expression), true,
                                                  false, builtIn.color, true));
    }
    return {{s_emptyColorKey, RGBAColor{1.0, 0.4, 0.4, 1.0}.toVariant()},
            {s_otherColorKey, RGBAColor{1.0, 1.0, 1.0, 0.0}.toVariant()},
            {s_rulesKey, archiveRules(rules)}};
}

const std::shared_ptr<CSVRuleData> &CSVRulesManager::ruleAtIndex(qint64 index) const
{
    return m_rules.at(size_t(index));
}

void CSVRulesManager::addRule(const std::shared_ptr<CSVRuleData> &rule)
{
    m_rules.push_back(rule);
}

void CSVRulesManager::removeRule(const std::shared_ptr<CSVRuleData> &rule)
{
    std::erase(m_rules, rule);
}

void CSVRulesManager::moveRules(const IndexSet &indexes, qint64 destination)
{
    RuleList moved;
    qint64 before = 0; // moved rules that stood above the destination
    for (qint64 index : indexes.indexesInRange(0, numberOfRules())) {
        moved.push_back(m_rules.at(size_t(index)));
        before += index < destination ? 1 : 0;
    }
    for (const std::shared_ptr<CSVRuleData> &rule : moved)
        std::erase(m_rules, rule);
    const qint64 at = std::clamp<qint64>(destination - before, 0, numberOfRules());
    m_rules.insert(m_rules.begin() + at, moved.begin(), moved.end());
    synchronize();
}

void CSVRulesManager::rulesDidChanged()
{
    NotificationCenter::defaultCenter().post(QStringLiteral("CSVRulesManagerRulesDidChanged"));
    synchronize();
}

void CSVRulesManager::synchronize()
{
    UserDefaults &defaults = UserDefaults::standard();
    defaults.setObject(s_emptyColorKey, m_emptyCellColor.toVariant());
    defaults.setObject(s_otherColorKey, m_otherCellColor.toVariant());
    defaults.setObject(s_rulesKey, archiveRules(m_rules));
    defaults.synchronize();
}

const RGBAColor &CSVRulesManager::colorMatchingString(QAnyStringView text) const
{
    // Painting must not depend on a cell's length: a cell of hundreds of megabytes would be
    // widened and searched by every rule on every repaint. Such a cell counts as unmatched.
    constexpr qsizetype s_longestMatchedText = 100'000;
    if (text.isEmpty())
        return m_emptyCellColor;
    if (text.size() > s_longestMatchedText)
        return m_otherCellColor;
    const QStringView cell = utf16(text);
    for (const std::shared_ptr<CSVRuleData> &rule : m_rules) {
        if (rule->isActive() && rule->matches(cell))
            return rule->cellColor();
    }
    return m_otherCellColor;
}

QStringView CSVRulesManager::utf16(QAnyStringView text) const
{
    return text.visit([this](auto view) -> QStringView {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QStringView>) {
            return view;
        } else if constexpr (std::is_same_v<View, QLatin1StringView>) {
            const auto *latin1 = reinterpret_cast<const unsigned char *>(view.data());
            m_scratch.assign(latin1, latin1 + view.size());
            return m_scratch;
        } else {
            m_scratch = view.toString().toStdU16String();
            return m_scratch;
        }
    });
}

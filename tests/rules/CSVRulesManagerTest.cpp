#include "rules/CSVRulesManager.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using NamedCases::PrintTo;

const QString s_rulesKey = QString::fromLatin1(DefaultsKeys::CellColorRules);
const QString s_emptyColorKey = QString::fromLatin1(DefaultsKeys::EmptyColor);
const QString s_otherColorKey = QString::fromLatin1(DefaultsKeys::OtherColor);

// What the store answers for a text: the name of the rule whose colour it is, or
// "empty" / "other".
QString answer(const CSVRulesManager &store, const QString &text)
{
    const RGBAColor &color = store.colorMatchingString(text);
    if (&color == &store.emptyCellColor())
        return QStringLiteral("empty");
    if (&color == &store.otherCellColor())
        return QStringLiteral("other");
    for (const auto &rule : store.rules()) {
        if (&rule->cellColor() == &color)
            return rule->name();
    }
    return QStringLiteral("?");
}

QString names(const CSVRulesManager &store)
{
    QStringList list;
    for (const auto &rule : store.rules())
        list << rule->name();
    return list.join(u' ');
}

std::shared_ptr<CSVRuleData> rule(const QString &name, const QString &match, bool regex = false,
                                  bool ignoreCase = false)
{
    return CSVRuleData::ruleWithName(name, match, regex, ignoreCase, {0, 0, 1, 1}, true);
}

// A store holding exactly these rules.
CSVRulesManager storeWith(const CSVRulesManager::RuleList &rules)
{
    CSVRulesManager store;
    for (const auto &factoryRule : store.rules())
        store.removeRule(factoryRule);
    for (const auto &rule : rules)
        store.addRule(rule);
    return store;
}

// Each test starts from the factory settings; the store is read anew, as at a launch.
class RulesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString &key : {s_rulesKey, s_emptyColorKey, s_otherColorKey})
            m_defaults.removeObject(key);
    }

    UserDefaults &m_defaults = UserDefaults::standard();
};

struct FactoryCase
{
    const char *name;
    const char *text;
    const char *expected; // a built-in rule's name key, "empty" or "other"
};

class FactoryRulesTest : public RulesTest, public ::testing::WithParamInterface<FactoryCase>
{};

TEST_P(FactoryRulesTest, ColourTheExampleTexts)
{
    const CSVRulesManager store;
    const QString expected = QString::fromLatin1(GetParam().expected);
    EXPECT_EQ(answer(store, QString::fromUtf8(GetParam().text)),
              expected.startsWith(u"LS") ? localized(expected) : expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FactoryRulesTest,
    ::testing::Values(
        // The number expression matches the empty text too; an empty cell is still empty.
        FactoryCase{"EmptyBeatsNumber", "", "empty"},
        FactoryCase{"Integer", "42", "LSRMIntegralNumber"},
        FactoryCase{"Zero", "0", "LSRMIntegralNumber"},
        FactoryCase{"DecimalComma", "3,14", "LSRMIntegralNumber"},
        FactoryCase{"TrailingPoint", "3.", "LSRMIntegralNumber"},
        FactoryCase{"LeadingPoint", ".5", "LSRMIntegralNumber"},
        FactoryCase{"Negative", "-5", "other"}, FactoryCase{"Exponent", "1e3", "other"},
        FactoryCase{"Roman", "XIV", "LSRMRomanNumerals"},
        FactoryCase{"RomanLowerCase", "xiv", "other"},
        FactoryCase{"RomanLong", "MCMXCIV", "LSRMRomanNumerals"},
        FactoryCase{"RomanRepeated", "IIII", "LSRMRomanNumerals"},
        FactoryCase{"EMail", "jane.doe-1@mail.example.org", "LSRMEMailAddress"},
        FactoryCase{"EMailLongDomain", "jane@example.museum", "other"},
        FactoryCase{"Web", "https://www.example.com/a?b=c", "LSRMInternetAddress"},
        FactoryCase{"Ftp", "ftp://files.example.net", "LSRMInternetAddress"},
        FactoryCase{"UpperCaseHost", "http://Example.com", "other"},
        FactoryCase{"Sentence", "Hello, world", "other"}),
    caseName);

struct MatchCase
{
    const char *name;
    std::vector<std::shared_ptr<CSVRuleData>> rules;
    const char *text;
    const char *expected;
};

class RuleMatchingTest : public RulesTest, public ::testing::WithParamInterface<MatchCase>
{};

TEST_P(RuleMatchingTest, FirstActiveMatchingRuleWins)
{
    const CSVRulesManager store = storeWith(GetParam().rules);
    EXPECT_EQ(answer(store, QString::fromUtf8(GetParam().text)),
              QString::fromLatin1(GetParam().expected));
}

std::shared_ptr<CSVRuleData> inactive(std::shared_ptr<CSVRuleData> rule)
{
    rule->setActive(false);
    return rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RuleMatchingTest,
    ::testing::Values(
        MatchCase{"EarlierRuleWins", {rule("A", "b"), rule("B", "c")}, "abc", "A"},
        MatchCase{
            "InactiveRuleLetsLaterWin", {inactive(rule("A", "b")), rule("B", "c")}, "abc", "B"},
        MatchCase{"PlainIgnoringCase", {rule("A", "abc", false, true)}, "xABCx", "A"},
        MatchCase{"PlainMindingCase", {rule("A", "abc")}, "xABCx", "other"},
        MatchCase{"ExpressionAlwaysMindsCase", {rule("A", "abc", true, true)}, "xABCx", "other"},
        MatchCase{"ExpressionFindsAnywhere", {rule("A", "b+c", true)}, "abbcd", "A"},
        MatchCase{"EmptyMatchTextMatchesNothing", {rule("A", "")}, "abc", "other"},
        MatchCase{"InvalidExpressionMatchesNothing",
                  {rule("A", "([a", true), rule("B", "a")},
                  "[a",
                  "B"}),
    caseName);

struct MoveCase
{
    const char *name;
    IndexSet indexes;
    qint64 destination;
    const char *expected;
};

class MoveRulesTest : public RulesTest, public ::testing::WithParamInterface<MoveCase>
{};

TEST_P(MoveRulesTest, MovesKeepOrderAndSave)
{
    CSVRulesManager store =
        storeWith({rule("a", "x"), rule("b", "x"), rule("c", "x"), rule("d", "x"), rule("e", "x")});
    store.moveRules(GetParam().indexes, GetParam().destination);
    EXPECT_EQ(names(store), QString::fromLatin1(GetParam().expected));
    EXPECT_EQ(names(CSVRulesManager()), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Moves, MoveRulesTest,
                         ::testing::Values(MoveCase{"FirstTwoAboveFifth", {0, 1}, 4, "c d a b e"},
                                           MoveCase{"FourthToTop", {3}, 0, "d a b c e"},
                                           MoveCase{"ScatteredToEnd", {0, 2}, 5, "b d e a c"},
                                           MoveCase{"PastTheEnd", {1, 9}, 40, "a c d e b"}),
                         caseName);

TEST_F(RulesTest, ChangesSurviveARestartInAReadableFile)
{
    CSVRulesManager store;
    int notifications = 0;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(
        &observer, QStringLiteral("CSVRulesManagerRulesDidChanged"),
        [&](const Notification &) { ++notifications; });
    store.ruleAtIndex(1)->setActive(false);
    store.addRule(CSVRuleData::ruleWithName(QStringLiteral("Größe"), QStringLiteral(R"("\d)"), true,
                                            false, {0.25, 0.5, 0.75, 0.5}, true));
    store.setEmptyCellColor({0, 0, 0, 1});
    store.setOtherCellColor({0.5, 0.5, 0.5, 0.25});
    store.rulesDidChanged();
    EXPECT_EQ(notifications, 1);

    const CSVRulesManager restarted;
    ASSERT_EQ(restarted.numberOfRules(), 5);
    for (qint64 i = 0; i < 5; ++i)
        EXPECT_EQ(restarted.ruleAtIndex(i)->archive(), store.ruleAtIndex(i)->archive()) << i;
    EXPECT_EQ(restarted.emptyCellColor(), (RGBAColor{0, 0, 0, 1}));
    EXPECT_EQ(restarted.otherCellColor(), (RGBAColor{0.5, 0.5, 0.5, 0.25}));

    QFile file(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tabwright"),
                         QStringLiteral("Tabwright"))
                   .fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(u"TBWRDefaultOtherColorKey=0.5, 0.5, 0.5, 0.25"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(u"Größe")) << text.toStdString();
}

struct UnreadableCase
{
    const char *name;
    const QString *key;
    QVariant stored;
};

class UnreadableSettingsTest : public RulesTest,
                               public ::testing::WithParamInterface<UnreadableCase>
{};

TEST_P(UnreadableSettingsTest, FallBackToFactoryAndKeepTheStoredValue)
{
    const CSVRulesManager factory;
    m_defaults.setObject(*GetParam().key, GetParam().stored);
    CSVRulesManager store;
    ASSERT_EQ(store.numberOfRules(), factory.numberOfRules());
    for (qint64 i = 0; i < store.numberOfRules(); ++i)
        EXPECT_EQ(store.ruleAtIndex(i)->archive(), factory.ruleAtIndex(i)->archive());
    EXPECT_EQ(store.emptyCellColor(), factory.emptyCellColor());
    EXPECT_EQ(store.otherCellColor(), factory.otherCellColor());
    EXPECT_EQ(m_defaults.object(*GetParam().key), GetParam().stored);

    store.rulesDidChanged();
    EXPECT_NE(m_defaults.object(*GetParam().key), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, UnreadableSettingsTest,
    ::testing::Values(
        UnreadableCase{"RulesNotJson", &s_rulesKey, QStringLiteral("[{\"name\": ")},
        UnreadableCase{"RuleWithoutColour", &s_rulesKey,
                       QStringLiteral(R"([{"name":"a","matchString":"b","useRegex":false,)"
                                      R"("ignorCase":false,"active":true}])")},
        UnreadableCase{"RulesOfANewerKind", &s_rulesKey, QVariantList{1, 2}},
        UnreadableCase{"ColourAsWord", &s_emptyColorKey, QStringLiteral("red")},
        UnreadableCase{"ColourOutOfRange", &s_otherColorKey, QVariantList{1, 1, 2, 1}},
        UnreadableCase{"ColourWithFiveParts", &s_emptyColorKey, QVariantList{1, 1, 1, 1, 1}}),
    caseName);

TEST(CSVRuleExpressionTest, InvalidExpressionSaysWhyAndRunawayOneGivesUp)
{
    const CSVRuleExpression invalid(QStringLiteral("(ab"));
    EXPECT_FALSE(invalid.isValid());
    EXPECT_TRUE(invalid.errorDescription().contains(u"U_REGEX_MISMATCHED_PAREN"))
        << invalid.errorDescription().toStdString();
    EXPECT_FALSE(invalid.findsMatch(u"(ab"));

    // Exponential backtracking: without a bound this would run for hours.
    const CSVRuleExpression runaway(QStringLiteral("^(a+)+$"));
    ASSERT_TRUE(runaway.isValid());
    EXPECT_FALSE(runaway.findsMatch(QString(40, u'a') + u'!'));
    EXPECT_TRUE(runaway.findsMatch(u"aaa"));
}

} // namespace

// A cell of hundreds of megabytes must not be searched on every repaint: past a bound it is
// unmatched, however quickly a rule would find its text.
TEST_F(RulesTest, TextTooLongToSearchOnEveryRepaintIsUnmatched)
{
    const CSVRulesManager store = storeWith({rule(u"A"_qs, u"a"_qs)});
    EXPECT_EQ(answer(store, QString(100'000, u'a')), u"A"_qs);
    EXPECT_EQ(answer(store, QString(100'001, u'a')), u"other"_qs);
}

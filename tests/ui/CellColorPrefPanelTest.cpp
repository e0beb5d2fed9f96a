#include "ui/CellColorPrefPanel.h"
#include "ui/CellColorRuleEditor.h"
#include "ui/CellColorRulesModel.h"

#include "GuiTestSupport.h"

#include "app/FactoryDefaults.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNColorWell.h"
#include "kit/ZRNColors.h"
#include "kit/ZRNPreferencesWindow.h"
#include "rules/CSVRulesManager.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <ostream>

using namespace GuiTestSupport;

namespace {

using NamedCases::PrintTo;

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

QString describe(const CSVRuleData &rule)
{
    return QStringLiteral("%1|%2|regex %3|ignore case %4|active %5|%6")
        .arg(rule.name(), rule.matchString())
        .arg(rule.isUseRegex())
        .arg(rule.isIgnorCase())
        .arg(rule.isActive())
        .arg(ZRNColors::toQColor(rule.cellColor()).name(QColor::HexArgb));
}

// The pane in a preferences window, on a store read from the factory settings.
class CellColorPrefPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name :
             {DefaultsKeys::CellColorRules, DefaultsKeys::EmptyColor, DefaultsKeys::OtherColor,
              DefaultsKeys::DrawCellBackgroundColor, DefaultsKeys::RuleDeleteAlertSuppress})
            m_defaults.removeObject(key(name));
        FactoryDefaults::registerAll();
        m_store = CSVRulesManager();
        m_pane = new CellColorPrefPanel(m_store, &m_window);
        m_window.addPane(m_pane);
        m_tester = std::make_unique<QAbstractItemModelTester>(
            table().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        m_window.showWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QString names() const
    {
        QStringList list;
        for (const auto &rule : m_store.rules())
            list << rule->name();
        return list.join(u'|');
    }

    QTableView &table() const { return *m_pane->rulesTableView(); }
    QPoint cellCenter(int row, int column) const
    {
        return table().visualRect(table().model()->index(row, column)).center();
    }

    // The factory's four rules and "Fifth", shown in the pane.
    void addFifthRule()
    {
        m_store.addRule(CSVRuleData::ruleWithName(QStringLiteral("Fifth"), QStringLiteral("x"),
                                                  false, false, {0, 0, 0, 1}, true));
        m_pane->willSelect();
    }

    // A widget's double click arrives after the click that began it.
    void doubleClick(int row, int column) const
    {
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, cellCenter(row, column));
        QTest::mouseDClick(table().viewport(), Qt::LeftButton, {}, cellCenter(row, column));
    }

    void selectRows(std::initializer_list<int> rows)
    {
        table().clearSelection();
        for (int row : rows)
            table().selectionModel()->select(table().model()->index(row, 0),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
    }

    CellColorRuleEditor *openSheet() const
    {
        const auto sheets = m_window.findChildren<CellColorRuleEditor *>();
        for (CellColorRuleEditor *sheet : sheets) {
            if (sheet->isVisible())
                return sheet;
        }
        return nullptr;
    }

    UserDefaults &m_defaults = UserDefaults::standard();
    CSVRulesManager m_store;
    ZRNPreferencesWindow m_window{QStringLiteral("TestPreferences")};
    CellColorPrefPanel *m_pane = nullptr;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

const QString s_factoryNames =
    QStringLiteral("Number|Roman numeral|E-mail address|Internet address");

TEST_F(CellColorPrefPanelTest, SheetAddsAndEditsRules)
{
    m_pane->addButton()->click();
    CellColorRuleEditor *sheet = openSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->nameTextField()->text(), QStringLiteral("New rule"));
    EXPECT_TRUE(sheet->ignorCaseButton()->isChecked());
    EXPECT_FALSE(sheet->useRegexButton()->isChecked());
    sheet->button(CommandSheet::s_cancelTag)->click();
    EXPECT_EQ(names(), s_factoryNames);

    m_pane->addButton()->click();
    sheet = openSheet();
    sheet->nameTextField()->setText(QStringLiteral("Cities"));
    sheet->matchTextField()->setText(QStringLiteral("Paris"));
    sheet->colorWell()->takeColor(QColor(255, 0, 0, 128));
    sheet->button(CommandSheet::s_confirmTag)->click();
    EXPECT_EQ(describe(*m_store.rules().back()),
              QStringLiteral("Cities|Paris|regex 0|ignore case 1|active 1|#80ff0000"));
    EXPECT_EQ(table().model()->rowCount(), 5);

    // A double click on the check box never opens the sheet; elsewhere it edits that rule.
    doubleClick(1, CellColorRulesModel::ActiveColumn);
    EXPECT_FALSE(openSheet());
    const std::shared_ptr<CSVRuleData> roman = m_store.ruleAtIndex(1);
    doubleClick(1, CellColorRulesModel::NameColumn);
    sheet = openSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->matchTextField()->text(), roman->matchString());
    EXPECT_TRUE(sheet->useRegexButton()->isChecked());
    EXPECT_FALSE(sheet->expressionProblemLabel()->isVisibleTo(sheet));
    sheet->matchTextField()->setText(QStringLiteral("(X"));
    EXPECT_TRUE(sheet->expressionProblemLabel()->isVisibleTo(sheet));
    EXPECT_TRUE(sheet->expressionProblemLabel()->text().contains(u"U_REGEX_MISMATCHED_PAREN"));
    sheet->button(CommandSheet::s_confirmTag)->click();
    EXPECT_EQ(m_store.ruleAtIndex(1), roman);
    EXPECT_EQ(roman->matchString(), QStringLiteral("(X"));
    EXPECT_EQ(CSVRulesManager().ruleAtIndex(1)->matchString(), QStringLiteral("(X"));
}

TEST_F(CellColorPrefPanelTest, WellsSwitchAndCheckBoxesGoStraightToTheStore)
{
    QStringList posted;
    QObject observer;
    for (const char *name : {"PrefsChanged", "CSVRulesManagerRulesDidChanged"}) {
        NotificationCenter::defaultCenter().addObserver(
            &observer, key(name), [&](const Notification &n) { posted << n.name; });
    }
    m_pane->emptyColorWell()->takeColor(QColor(0, 0, 255));
    EXPECT_EQ(CSVRulesManager().emptyCellColor(), (RGBAColor{0, 0, 1, 1}));
    m_pane->drawBackgroundButton()->click();
    EXPECT_FALSE(m_defaults.boolForKey(key(DefaultsKeys::DrawCellBackgroundColor)));

    // The check box switches its rule and leaves the selection alone.
    selectRows({3});
    QTest::mouseClick(table().viewport(), Qt::LeftButton, {},
                      table().visualRect(table().model()->index(1, 0)).topLeft() + QPoint(10, 8));
    EXPECT_FALSE(m_store.ruleAtIndex(1)->isActive());
    EXPECT_FALSE(CSVRulesManager().ruleAtIndex(1)->isActive());
    EXPECT_EQ(table().selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(table().selectionModel()->isRowSelected(3));
    EXPECT_EQ(posted, (QStringList{QStringLiteral("CSVRulesManagerRulesDidChanged"),
                                   QStringLiteral("PrefsChanged"),
                                   QStringLiteral("CSVRulesManagerRulesDidChanged")}));
}

struct RemoveCase
{
    const char *name;
    bool suppressedBefore;
    int answer; // 0 "LSno", 1 "LSyes"; unused when the question is suppressed
    bool tickSuppression;
    const char *remaining;
    bool suppressedAfter;
};

class RemoveRulesTest : public CellColorPrefPanelTest,
                        public ::testing::WithParamInterface<RemoveCase>
{};

TEST_P(RemoveRulesTest, RemovesTheSelectedRulesAsAnswered)
{
    const RemoveCase &c = GetParam();
    m_defaults.setObject(key(DefaultsKeys::RuleDeleteAlertSuppress), c.suppressedBefore);
    addFifthRule();
    EXPECT_FALSE(m_pane->removeButton()->isEnabled());
    selectRows({0, 2, 3});
    ASSERT_TRUE(m_pane->removeButton()->isEnabled());
    m_pane->removeButton()->click();
    if (!c.suppressedBefore) {
        QMessageBox *alert = openAlert(&m_window);
        ASSERT_TRUE(alert);
        alert->checkBox()->setChecked(c.tickSuppression);
        ASSERT_TRUE(answerAlert(&m_window, c.answer));
    }
    EXPECT_FALSE(openAlert(&m_window));
    EXPECT_EQ(names(), QString::fromUtf8(c.remaining));
    EXPECT_EQ(m_defaults.boolForKey(key(DefaultsKeys::RuleDeleteAlertSuppress)), c.suppressedAfter);
    EXPECT_EQ(table().model()->rowCount(), int(m_store.numberOfRules()));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RemoveRulesTest,
    ::testing::Values(
        RemoveCase{"YesRemovesThem", false, 1, false, "Roman numeral|Fifth", false},
        RemoveCase{"YesWithTheBoxStopsAsking", false, 1, true, "Roman numeral|Fifth", true},
        RemoveCase{"NoKeepsThemAndStoresNothing", false, 0, true,
                   "Number|Roman numeral|E-mail address|Internet address|Fifth", false},
        RemoveCase{"SuppressedRemovesWithoutAsking", true, 0, false, "Roman numeral|Fifth", true}),
    caseName);

// Drags rows 0 and 1 of five: dropped at one of them nothing moves; dropped above row 4 they
// land at positions 2 and 3. The offscreen platform ends a drag at once, so the view gets the
// drop events the windowing system would send.
TEST_F(CellColorPrefPanelTest, DraggingRowsReordersTheRules)
{
    addFifthRule();
    selectRows({0, 1});
    QWidget *viewport = table().viewport();
    const QPoint start = cellCenter(0, CellColorRulesModel::NameColumn);
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, 2));  // the view takes it for a drag
    QTest::mouseMove(viewport, start + QPoint(0, 30)); // and starts it
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(0, 30));

    const auto drop = [&](int row) {
        const QPoint above =
            table().visualRect(table().model()->index(row, 1)).topLeft() + QPoint(20, 1);
        QMimeData data;
        data.setData(QString::fromLatin1(CellColorRulesModel::s_dragType), QByteArray());
        QDragEnterEvent enter(above, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(above, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        QDropEvent dropEvent(above, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &dropEvent);
        return move.isAccepted();
    };
    EXPECT_FALSE(drop(1));
    EXPECT_EQ(names(), s_factoryNames + QStringLiteral("|Fifth"));
    EXPECT_TRUE(drop(4));
    EXPECT_EQ(names(),
              QStringLiteral("E-mail address|Internet address|Number|Roman numeral|Fifth"));
    EXPECT_EQ(CSVRulesManager().ruleAtIndex(2)->name(), QStringLiteral("Number"));
}

} // namespace

#include "ui/CSVTableView.h"
#include "ui/DocumentWindow.h"

#include "GuiTestSupport.h"

#include "app/FactoryDefaults.h"
#include "document/CSVDocument.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "rules/CSVRulesManager.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Counts the frames a widget paints.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A window on rows with a number, a plain word, an empty cell, a Roman numeral in a row
// shorter than the others; the rules and settings are the factory's again afterwards.
class CellColoringTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FactoryDefaults::registerAll();
        resetSettings();
        CSVRowList rows;
        rows.push_back(makeCSVRow({QStringLiteral("42"), QStringLiteral("word"), QString()}));
        rows.push_back(makeCSVRow({QStringLiteral("XIV")}));
        m_document = CSVDocument::withRows(std::move(rows), {});
        m_document->setNumberOfColumns(3);
        m_window = std::make_unique<DocumentWindow>(*m_document);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        // The current cell carries a tint of its own.
        m_window->tableView()->selectionModel()->clearCurrentIndex();
    }

    void TearDown() override { resetSettings(); }

    static void resetSettings()
    {
        UserDefaults &defaults = UserDefaults::standard();
        for (const char *name : {DefaultsKeys::CellColorRules, DefaultsKeys::EmptyColor,
                                 DefaultsKeys::OtherColor, DefaultsKeys::DrawCellBackgroundColor})
            defaults.removeObject(QString::fromLatin1(name));
        CSVRulesManager::sharedManager() = CSVRulesManager();
    }

    // Each cell as painted, row by row: N number, R Roman numeral, E empty, - no background
    // of its own, ? any other colour.
    QString paintedCells() const
    {
        const CSVTableView &table = *m_window->tableView();
        const QImage image = table.viewport()->grab().toImage();
        const QColor base = table.palette().color(QPalette::Base);
        const std::pair<QColor, QChar> known[] = {{QColor(102, 204, 255), u'N'},
                                                  {QColor(255, 191, 255), u'R'},
                                                  {QColor(255, 102, 102), u'E'},
                                                  {base, u'-'}};
        QStringList rows;
        for (int row = 0; row < table.model()->rowCount(); ++row) {
            QString cells;
            for (int column = 0; column < table.model()->columnCount(); ++column) {
                // Right of the text, left of the grid line.
                const QRect rect = table.visualRect(table.model()->index(row, column));
                const QColor color = image.pixelColor(rect.right() - 3, rect.center().y());
                QChar shown = u'?';
                for (const auto &[knownColor, letter] : known) {
                    if (color == knownColor)
                        shown = letter;
                }
                cells += shown;
            }
            rows << cells;
        }
        return rows.join(u' ');
    }

    std::unique_ptr<CSVDocument> m_document;
    std::unique_ptr<DocumentWindow> m_window;
};

TEST_F(CellColoringTest, CellsShowTheirRuleColoursAndFollowChanges)
{
    EXPECT_EQ(paintedCells(), QStringLiteral("N-E REE"));

    // A rule's change reaches the open window at once.
    PaintCounter paints(m_window->tableView()->viewport());
    CSVRulesManager &store = CSVRulesManager::sharedManager();
    store.ruleAtIndex(0)->setActive(false);
    store.rulesDidChanged();
    WAIT_UNTIL(paints.count > 0);
    EXPECT_EQ(paintedCells(), QStringLiteral("--E REE"));

    UserDefaults::standard().setObject(QString::fromLatin1(DefaultsKeys::DrawCellBackgroundColor),
                                       false);
    NotificationCenter::defaultCenter().post(QStringLiteral("PrefsChanged"));
    EXPECT_EQ(paintedCells(), QStringLiteral("--- ---"));
}

} // namespace

#include "ui/CSVTableView.h"
#include "ui/DocumentToolbar.h"
#include "ui/DocumentWindow.h"
#include "ui/commands/CommandAction.h"

#include "GuiTestSupport.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

using NamedCases::PrintTo;

// Presses the keys of a script such as "x<Tab><Ctrl+End>" on whatever has the focus, as a user
// would: a cell editor once one is open, else the table.
void press(const QString &script)
{
    static const QRegularExpression s_token(QStringLiteral("<(Ctrl\\+)?(\\w+)>|(.)"));
    for (const QRegularExpressionMatch &token : s_token.globalMatch(script)) {
        QWidget *target = QApplication::focusWidget();
        ASSERT_TRUE(target);
        if (!token.captured(3).isEmpty()) {
            QTest::keyClicks(target, token.captured(3));
        } else {
            const QKeySequence key(token.captured(2));
            ASSERT_FALSE(key.isEmpty()) << token.captured(2).toStdString();
            QTest::keyClick(target, key[0].key(),
                            token.captured(1).isEmpty() ? Qt::NoModifier : Qt::ControlModifier);
        }
        QCoreApplication::processEvents();
    }
}

struct KeysCase
{
    const char *name;
    const char *keys;
    const char *after; // the rows, then "@row,column" of the current cell
};

// A shown window on "a,b,c|d,e,f", the table focused on its first cell.
class WindowFixture : public ::testing::Test
{
protected:
    void show(const QStringList &rows)
    {
        m_document.setRowArrays(DocumentState::makeRows(rows));
        m_document.setNumberOfColumns(rows.front().count(u',') + 1);
        m_window = std::make_unique<DocumentWindow>(m_document);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        table().setFocus();
        table().setCurrentIndex(table().model()->index(0, 0));
    }

    CSVTableView &table() const { return *m_window->tableView(); }

    std::string state()
    {
        const QModelIndex current = table().currentIndex();
        return QStringLiteral("%1 @%2,%3")
            .arg(DocumentState::visibleRows(m_document))
            .arg(current.row())
            .arg(current.column())
            .toStdString();
    }

    CSVDocument m_document;
    std::unique_ptr<DocumentWindow> m_window;
};

class KeyboardEditingTest : public WindowFixture, public ::testing::WithParamInterface<KeysCase>
{};

TEST_P(KeyboardEditingTest, EditsAndMovesByKeysAlone)
{
    show({QStringLiteral("a,b,c"), QStringLiteral("d,e,f")});
    press(QString::fromLatin1(GetParam().keys));
    EXPECT_EQ(state(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardEditingTest,
    ::testing::Values(
        KeysCase{"TypingReplacesTabMovesRight", "x<Tab>y<Enter>", "x,y,c|d,e,f @1,1"},
        KeysCase{"F2KeepsTheText", "<F2>1<Enter>", "a1,b,c|d,e,f @1,0"},
        KeysCase{"EnterKeepsTheText", "<Enter>2<Tab>", "a2,b,c|d,e,f @0,1"},
        KeysCase{"EscapeCancels", "zz<Escape>", "a,b,c|d,e,f @0,0"},
        KeysCase{"ShiftTabMovesLeft", "<End>q<Backtab>", "a,b,q|d,e,f @0,1"},
        KeysCase{"CornersAndHome", "<Ctrl+End>k<Enter><Home>h<Enter>", "a,b,c|h,e,k @1,0"},
        KeysCase{"PagesAndTheFirstCell", "<PgDown><Ctrl+Home>m<Tab>", "m,b,c|d,e,f @0,1"},
        KeysCase{"DeleteEmptiesTheSelectedRow", "<Down><Del>", "a,b,c|,, @1,0"}),
    caseName);

// What a command adds is what is selected afterwards, in view and current, however far away.
TEST_F(WindowFixture, AddedRowsAndColumnsAreSelectedAndShown)
{
    QStringList rows;
    for (int row = 0; row < 300; ++row)
        rows << QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l");
    show(rows);
    m_document.selectRowIndexes({2}, false);
    const auto triggerToolbarItem = [this](CommandId id) {
        m_window->validateUserInterfaceItems();
        for (QAction *action : m_window->toolbar()->actions()) {
            auto *item = qobject_cast<CommandAction *>(action);
            if (item && item->sender().id == id)
                item->trigger();
        }
    };
    // "rows=300 columns= current=300,0 in view"
    const auto shown = [this] {
        const auto list = [](const IndexSet &set) {
            QStringList items;
            for (qint64 index : set)
                items << QString::number(index);
            return items.join(u' ');
        };
        const QModelIndex current = table().currentIndex();
        const bool inView = table().viewport()->rect().contains(table().visualRect(current));
        return QStringLiteral("rows=%1 columns=%2 current=%3,%4 %5")
            .arg(list(m_document.selectedRowIndexes()), list(m_document.selectedColumnIndexes()))
            .arg(current.row())
            .arg(current.column())
            .arg(inView ? QStringLiteral("in view") : QStringLiteral("hidden"));
    };
    QStringList seen;
    triggerToolbarItem(CommandId::AddNewRow);
    WAIT_UNTIL(table().currentIndex().row() == 300);
    seen << shown();
    triggerToolbarItem(CommandId::AddNewColumn);
    WAIT_UNTIL(table().currentIndex().column() == 12);
    seen << shown();
    EXPECT_EQ(seen, QStringList({QStringLiteral("rows=300 columns= current=300,0 in view"),
                                 QStringLiteral("rows= columns=12 current=300,12 in view")}));
}

struct OtherEditCase
{
    const char *name;
    std::function<void(CSVDocument &)> edit;
    const char *after; // the editor's text, and the current cell
};

class OtherEditTest : public WindowFixture, public ::testing::WithParamInterface<OtherEditCase>
{};

// A change elsewhere in the table (an undo, a command of another window) leaves the cell being
// typed into open with its text, the current cell on its row, and the table where it was.
TEST_P(OtherEditTest, KeepsTheEditorTheCurrentCellAndTheScrollPosition)
{
    QStringList rows;
    for (int row = 0; row < 200; ++row)
        rows << QStringLiteral("a%1,b%1").arg(row);
    show(rows);
    QAbstractItemModelTester tester(table().model());
    table().setCurrentIndex(table().model()->index(120, 1));
    table().scrollTo(table().currentIndex(), QAbstractItemView::PositionAtCenter);
    const int scroll = table().verticalScrollBar()->value();
    press(QStringLiteral("abc"));

    GetParam().edit(m_document);
    QCoreApplication::processEvents();
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    EXPECT_EQ(QStringLiteral("%1 @%2,%3")
                  .arg(editor ? editor->text() : QStringLiteral("closed"))
                  .arg(table().currentIndex().row())
                  .arg(table().currentIndex().column()),
              QString::fromLatin1(GetParam().after));
    EXPECT_EQ(table().verticalScrollBar()->value(), scroll);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, OtherEditTest,
    ::testing::Values(
        OtherEditCase{
            "CellChanged",
            [](CSVDocument &d) { d.setStringValue(QStringLiteral("x"), d.rowArrays().at(3), 0); },
            "abc @120,1"},
        OtherEditCase{"RowRemovedAbove",
                      [](CSVDocument &d) { d.removeCSVRow(d.rowArrays().at(3)); }, "abc @119,1"},
        OtherEditCase{"RowsRemovedBelow", [](CSVDocument &d) { d.removeCSVRowsInRange(150, 10); },
                      "abc @120,1"}),
    caseName);

} // namespace

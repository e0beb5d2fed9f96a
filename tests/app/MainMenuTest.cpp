#include "AppFixture.h"

#include "app/DocumentController.h"

#include "ui/CSVTableView.h"
#include "ui/CommandAction.h"
#include "ui/DocumentWindow.h"
#include "ui/GuiTestSupport.h"
#include "ui/SavePanel.h"

#include "document/CSVDocument.h"
#include "support/QtPrinters.h"

#include <QMenuBar>

#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace {

using MainMenuTest = AppFixture;

// The keys people press without looking, whatever the platform's own key scheme lacks.
TEST_F(MainMenuTest, EveryStandardCommandHasItsKey)
{
    m_app->launch({});
    const DocumentWindow *window = documents().currentWindow();
    const std::pair<const char *, QKeyCombination> expected[] = {
        {"newDocument", Qt::CTRL | Qt::Key_N},
        {"openDocument", Qt::CTRL | Qt::Key_O},
        {"saveDocument", Qt::CTRL | Qt::Key_S},
        {"saveDocumentAs", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {"performClose", Qt::CTRL | Qt::Key_W},
        {"undo", Qt::CTRL | Qt::Key_Z},
        {"redo", Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
        {"cut", Qt::CTRL | Qt::Key_X},
        {"copy", Qt::CTRL | Qt::Key_C},
        {"paste", Qt::CTRL | Qt::Key_V},
        {"selectAll", Qt::CTRL | Qt::Key_A},
        {"showSearchDialog", Qt::CTRL | Qt::Key_F},
        {"findNextAction", Qt::CTRL | Qt::Key_G},
    };
    QStringList missing;
    for (const auto &[action, key] : expected) {
        const CommandAction *item = window->menuAction(QString::fromLatin1(action));
        if (!item || !item->shortcuts().contains(QKeySequence(key)))
            missing.append(QString::fromLatin1(action));
    }
    EXPECT_EQ(missing.join(QLatin1Char(' ')), QString());
}

// Pressed in the table, the keys reach the window's commands rather than the table's own keys.
TEST_F(MainMenuTest, KeysPressedInTheTableRunTheCommands)
{
    m_app->launch({});
    DocumentWindow *window = documents().currentWindow();
    window->document().setObjectValueForTableColumn(QStringLiteral("x"), 0, 0);
    window->tableView()->setFocus();
    WAIT_UNTIL(window->tableView()->hasFocus());
    QStringList rows;
    QTest::keyClick(window->tableView(), Qt::Key_Z, Qt::ControlModifier);
    rows.append(DocumentState::visibleRows(window->document()));
    // The menus follow the undo once the event loop has had its turn, as between two presses.
    WAIT_UNTIL(window->menuAction(QStringLiteral("redo"))->isEnabled());
    QTest::keyClick(window->tableView(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    rows.append(DocumentState::visibleRows(window->document()));
    EXPECT_EQ(rows.join(QLatin1Char(' ')), QStringLiteral(",,, x,,,"));

    QTest::keyClick(window->tableView(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    SavePanel *panel = nullptr;
    WAIT_UNTIL(panel = qobject_cast<SavePanel *>(QApplication::activeModalWidget()));
    panel->reject();

    // Alt lends the menu bar the focus; the table is still what the menus act on.
    QTest::keyClick(window->tableView(), Qt::Key_Alt);
    WAIT_UNTIL(window->menuBar()->hasFocus());
    window->validateUserInterfaceItems();
    EXPECT_TRUE(window->menuAction(QStringLiteral("invertSelection"))->isEnabled());
}

// A command whose feature is not built yet stays in the menus, but is never offered.
TEST_F(MainMenuTest, CommandsWithoutAResponderAreDisabled)
{
    m_app->launch({});
    DocumentWindow *window = documents().currentWindow();
    QStringList enabled;
    window->validateUserInterfaceItems();
    for (const CommandAction *item : window->menuBar()->findChildren<CommandAction *>()) {
        const QString &action = item->sender().action;
        if (item->isEnabled() && !window->respondsToCommand(action) &&
            !m_app->respondsToCommand(action))
            enabled.append(action);
    }
    EXPECT_EQ(enabled, QStringList());
}

} // namespace

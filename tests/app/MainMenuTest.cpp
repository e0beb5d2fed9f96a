#include "AppFixture.h"

#include "app/DocumentController.h"

#include "ui/CSVTableView.h"
#include "ui/ColumnContextMenu.h"
#include "ui/DocumentWindow.h"
#include "ui/GuiTestSupport.h"
#include "ui/RowContextMenu.h"
#include "ui/SavePanel.h"
#include "ui/commands/CommandAction.h"
#include "ui/commands/CommandRegistry.h"

#include "document/CSVDocument.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"
#include "support/QtPrinters.h"

#include <QMenuBar>
#include <QSet>

#include <gtest/gtest.h>

#include <array>

using namespace GuiTestSupport;

namespace {

using MainMenuTest = AppFixture;
using Id = CommandId;

// The keys people press without looking, whatever the platform's own key scheme lacks.
TEST_F(MainMenuTest, EveryStandardCommandHasItsKey)
{
    m_app->launch({});
    const DocumentWindow *window = documents().currentWindow();
    const std::pair<CommandId, QKeyCombination> expected[] = {
        {Id::NewDocument, Qt::CTRL | Qt::Key_N},
        {Id::OpenDocument, Qt::CTRL | Qt::Key_O},
        {Id::SaveDocument, Qt::CTRL | Qt::Key_S},
        {Id::SaveDocumentAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {Id::PerformClose, Qt::CTRL | Qt::Key_W},
        {Id::Undo, Qt::CTRL | Qt::Key_Z},
        {Id::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
        {Id::Cut, Qt::CTRL | Qt::Key_X},
        {Id::Copy, Qt::CTRL | Qt::Key_C},
        {Id::Paste, Qt::CTRL | Qt::Key_V},
        {Id::SelectAll, Qt::CTRL | Qt::Key_A},
        {Id::ShowSearchDialog, Qt::CTRL | Qt::Key_F},
        {Id::FindNextAction, Qt::CTRL | Qt::Key_G},
    };
    QStringList missing;
    for (const auto &[id, key] : expected) {
        const CommandAction *item = window->menuAction(id);
        if (!item || !item->shortcuts().contains(QKeySequence(key)))
            missing.append(commandName(id));
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
    WAIT_UNTIL(window->menuAction(Id::Redo)->isEnabled());
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
    EXPECT_TRUE(window->menuAction(Id::InvertSelection)->isEnabled());
}

// Commands that stand in the menus before their feature is built: shown, never offered.
// Whoever builds one takes it off this list.
const std::array<CommandId, 0> s_notYetBuilt{};

// Commands that no menu or toolbar item sends.
const CommandId s_reachedOtherwise[] = {
    Id::ShowTitleEditWindowForTableColumn, // a double-click on a column header
    Id::ShowSendFeedbackDialog, // only with a feedback endpoint built in (none in the tests)
};

bool isListed(const auto &list, CommandId id)
{
    return std::find(std::begin(list), std::end(list), id) != std::end(list);
}

// What is wrong with the declaration of an item's command, if anything.
QString declarationFault(const CommandAction *item)
{
    const Command &command = CommandRegistry::command(item->sender().id);
    const QString name = commandName(command.id);
    if (!command.titleKey)
        return name + QStringLiteral(" is not in the registry");
    if (command.isBuilt() && isListed(s_notYetBuilt, command.id))
        return name + QStringLiteral(" is built: take it off the list of commands not built");
    if (!command.isBuilt() && !isListed(s_notYetBuilt, command.id))
        return name + QStringLiteral(" has no action");
    if (!command.isBuilt() && item->isEnabled())
        return name + QStringLiteral(" is offered without an action");
    return {};
}

// Every item of the menus, the toolbar and the column menu sends a declared command with an
// action (or one on the list of commands not built yet), every declared command has an item,
// and no key is given to two items (Qt would then run neither). Their texts are checked with
// every other string key (StringKeysTest).
TEST_F(MainMenuTest, EveryItemSendsADeclaredCommand)
{
    UserDefaults::standard().setObject(key(DefaultsKeys::RecentDocuments),
                                       QStringList{file(QStringLiteral("recent.csv"), "a\n")});
    m_app->launch({});
    DocumentWindow *window = documents().currentWindow();
    ColumnContextMenu::fill(window->columnContextMenu(), 0, [](CommandAction *) {});
    RowContextMenu::fill(window->rowContextMenu(), [](CommandAction *) {});
    window->validateUserInterfaceItems();
    QStringList faults;
    QSet<CommandId> sent;
    QSet<QKeySequence> keys;
    const auto items = window->findChildren<CommandAction *>();
    for (const CommandAction *item : items) {
        sent.insert(item->sender().id);
        if (const QString fault = declarationFault(item); !fault.isEmpty())
            faults << fault;
        for (const QKeySequence &key : item->shortcuts()) {
            if (keys.contains(key))
                faults << key.toString() + QStringLiteral(" is given twice");
            keys.insert(key);
        }
    }
    for (const Command &command : CommandRegistry::commands()) {
        if (!sent.contains(command.id) && !isListed(s_reachedOtherwise, command.id))
            faults << commandName(command.id) + QStringLiteral(" has no item");
    }
    faults.removeDuplicates();
    EXPECT_EQ(faults, QStringList());
}

} // namespace

#include "AppFixture.h"

#include "app/DocumentController.h"
#include "ui/CSVTableView.h"
#include "ui/DocumentToolbar.h"
#include "ui/DocumentWindow.h"
#include "ui/GuiTestSupport.h"
#include "ui/commands/CommandAction.h"

#include "document/CSVOpenAssistantPreview.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace GuiTestSupport;

namespace {

using NamedCases::PrintTo;

struct PendingTextCase
{
    const char *name;
    // What the user does while the editor still holds the typed text.
    std::function<void(DocumentWindow &)> act;
    const char *after; // the rows, then whether the window asked or the file holds the text
};

void clickToolbarItem(DocumentWindow &window, CommandId id)
{
    for (QAction *action : window.toolbar()->actions()) {
        auto *item = qobject_cast<CommandAction *>(action);
        if (item && item->sender().id == id)
            QTest::mouseClick(window.toolbar()->widgetForAction(item), Qt::LeftButton);
    }
}

void pressInEditor(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
}

class TypedTextTest : public AppFixture, public ::testing::WithParamInterface<PendingTextCase>
{};

// Text typed into a cell is the user's data: whatever runs next takes it in first.
TEST_P(TypedTextTest, ReachesTheDocumentBeforeAnythingElse)
{
    m_app->launch({});
    const QString path = file(QStringLiteral("t.csv"), "a,b\nc,d\n");
    const auto preview = CSVOpenAssistantPreview::forFile(path, {}, nullptr);
    DocumentWindow *window = documents().openDocumentWithContentsOfURL(path, preview->preset(), {});
    ASSERT_TRUE(window && QTest::qWaitForWindowActive(window));
    CSVTableView *table = window->tableView();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 1));
    QTest::keyClick(table, Qt::Key_T);
    ASSERT_TRUE(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("yped"));

    GetParam().act(*window);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const bool asked = openAlert(window);
    EXPECT_EQ(DocumentState::visibleRows(window->document()) + (asked ? " asked" : "") +
                  (saved.readAll().contains("typed") ? " saved" : ""),
              QString::fromLatin1(GetParam().after));
    if (asked)
        answerAlert(window, 1); // keeps the window open
}

INSTANTIATE_TEST_SUITE_P(
    Actions, TypedTextTest,
    ::testing::Values(
        PendingTextCase{"ToolbarButton",
                        [](DocumentWindow &w) { clickToolbarItem(w, CommandId::AddNewRow); },
                        "a,typed|c,d|,"},
        PendingTextCase{"SaveKey", [](DocumentWindow &) { pressInEditor(Qt::Key_S); },
                        "a,typed|c,d saved"},
        PendingTextCase{"CloseKey", [](DocumentWindow &) { pressInEditor(Qt::Key_W); },
                        "a,typed|c,d asked"},
        PendingTextCase{"QuitKey", [](DocumentWindow &) { pressInEditor(Qt::Key_Q); },
                        "a,typed|c,d asked"},
        PendingTextCase{"WindowClosed", [](DocumentWindow &w) { w.close(); }, "a,typed|c,d asked"}),
    caseName);

} // namespace

#include "ui/CSVTableView.h"
#include "ui/DocumentWindow.h"
#include "ui/commands/CommandAction.h"

#include "GuiTestSupport.h"

#include "document/commands/CSVRowDrag.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

#include <gtest/gtest.h>

namespace {

class ClipboardWindowTest : public ::testing::Test
{
protected:
    DocumentWindow &open(const QStringList &rows)
    {
        auto &document = m_documents.emplace_back(std::make_unique<CSVDocument>());
        document->setRowArrays(DocumentState::makeRows(rows));
        document->setNumberOfColumns(2);
        auto &window = m_windows.emplace_back(std::make_unique<DocumentWindow>(*document));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    static QPoint cellCenter(const DocumentWindow &window, int row)
    {
        CSVTableView *table = window.tableView();
        return table->visualRect(table->model()->index(row, 0)).center();
    }

    std::vector<std::unique_ptr<CSVDocument>> m_documents;
    std::vector<std::unique_ptr<DocumentWindow>> m_windows;
};

// Copied with the keys in one window, pasted with the Edit menu in another, through the
// desktop's clipboard, which other programs read as text.
TEST_F(ClipboardWindowTest, CopiesRowsFromOneWindowAndPastesThemInAnother)
{
    DocumentWindow &source = open({"a,b", "c\td,e"});
    source.document().selectRowIndexes({1}, false);
    source.tableView()->setFocus();
    WAIT_UNTIL(source.menuAction(CommandId::Copy)->isEnabled());
    QTest::keyClick(source.tableView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("\"c\td\"\te\n"));

    DocumentWindow &target = open({"x,y"});
    target.validateUserInterfaceItems();
    CommandAction *paste = target.menuAction(CommandId::Paste);
    ASSERT_TRUE(paste && paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(DocumentState::withSteps(target.document()),
              "x,y|c\td,e cols=0:1 1:2 undo=LSUDPasteRows redo=");

    QApplication::clipboard()->setText(QStringLiteral("p\tq\n"));
    target.document().selectRowIndexes({}, false);
    QTest::keyClick(target.tableView(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(DocumentState::rows(target.document().rowArrays()), QStringLiteral("x,y|c\td,e|p,q"));
}

// Pressed on a selected row and dragged into the lower half of another, the row moves below
// it. The mouse starts the drag; the offscreen platform ends every drag at once, so the drag
// events over the table, with the table's own drag data, come from here.
TEST_F(ClipboardWindowTest, DragsASelectedRowWithTheMouse)
{
    DocumentWindow &window = open({"0,a", "1,b", "2,c", "3,d"});
    DocumentWindow &other = open({"x,y", "z,w"});
    CSVTableView *table = window.tableView();
    QWidget *viewport = table->viewport();
    window.document().selectRowIndexes({0}, false);
    table->synchronize();
    const QPoint from = cellCenter(window, 0);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport, from + QPoint(0, 4));
    QTest::mouseMove(viewport, from + QPoint(0, 30));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(0, 30));

    const QPoint to = cellCenter(window, 2) + QPoint(0, table->rowHeight(2) / 3);
    const auto drop = [&](CSVTableView *from) {
        const std::unique_ptr<QMimeData> data(from->makeRowDragData());
        QDragEnterEvent enter(to, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(to, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        QDropEvent dropped(to, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &dropped);
        return move.isAccepted() && dropped.isAccepted();
    };
    EXPECT_FALSE(drop(other.tableView()));
    EXPECT_TRUE(drop(table));
    EXPECT_EQ(DocumentState::full(window.document()),
              "1,b|2,c|0,a|3,d cols=0:1 1:2 sel=2/ undo=LSUDRowsMoved redo=");
}

} // namespace

#include "ui/DocumentWindow.h"
#include "ui/CSVTableColumnHeaderView.h"
#include "ui/CSVTableView.h"
#include "ui/commands/CommandAction.h"

#include "GuiTestSupport.h"

#include "foundation/Error.h"
#include "kit/ZRNSheetPresentation.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace {

using NamedCases::PrintTo;

// A double click as the window system delivers it: a click, then the second press as a
// double-click event.
void doubleClick(QWidget *widget, const QPoint &position)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QMouseEvent event(QEvent::MouseButtonDblClick, position, widget->mapToGlobal(position),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, position);
}

class DocumentWindowTest : public ::testing::Test
{
protected:
    DocumentWindow &open(const QByteArray &bytes)
    {
        Error error;
        m_document = CSVDocument::withContentsOfURL(
            TestData::writeFile(m_dir, QStringLiteral("t.csv"), bytes), {}, &error);
        EXPECT_TRUE(m_document) << error.localizedDescription().toStdString();
        m_window = std::make_unique<DocumentWindow>(*m_document);
        m_window->setDisplayName(QStringLiteral("t.csv"));
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return *m_window;
    }

    CSVTableView &table() const { return *m_window->tableView(); }
    CSVTableColumnHeaderView &header() const { return *m_window->columnHeaderView(); }

    QPoint cellCenter(int row, int column) const
    {
        return table().visualRect(table().model()->index(row, column)).center();
    }

    void trigger(CommandId id) const
    {
        m_window->validateUserInterfaceItems();
        CommandAction *item = m_window->menuAction(id);
        ASSERT_TRUE(item && item->isEnabled()) << commandName(id).toStdString();
        item->trigger();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CSVDocument> m_document;
    std::unique_ptr<DocumentWindow> m_window;
};

TEST_F(DocumentWindowTest, EditsACellAndUndoesAndRedoesItThroughTheEditMenu)
{
    DocumentWindow &window = open("a,b\nc,d\n");
    doubleClick(table().viewport(), cellCenter(1, 1));
    WAIT_UNTIL(table().viewport()->findChild<QLineEdit *>());
    auto *editor = table().viewport()->findChild<QLineEdit *>();
    EXPECT_EQ(editor->selectedText(), QStringLiteral("d"));
    QTest::keyClicks(editor, QStringLiteral("new"));
    QTest::keyClick(editor, Qt::Key_Return);
    WAIT_UNTIL(DocumentState::visibleRows(*m_document) == QStringLiteral("a,b|c,new"));
    WAIT_UNTIL(window.isWindowModified());

    EXPECT_EQ(m_document->undoManager().undoActionName(), QStringLiteral("LSUDDataEdited"));
    window.validateUserInterfaceItems();
    EXPECT_EQ(window.menuAction(CommandId::Undo)->text(), QStringLiteral("&Undo Edit Cell"));
    trigger(CommandId::Undo);
    EXPECT_EQ(DocumentState::visibleRows(*m_document), QStringLiteral("a,b|c,d"));
    WAIT_UNTIL(!window.isWindowModified());
    trigger(CommandId::Redo);
    WAIT_UNTIL(table().model()->index(1, 1).data().toString() == QStringLiteral("new"));
}

TEST_F(DocumentWindowTest, DraggingAColumnMovesItInTheDocumentAndUndoPutsItBack)
{
    open("a,b,c\n");
    const QPoint from = QPoint(header().sectionViewportPosition(0) + 40, header().height() / 2);
    const QPoint to = QPoint(header().sectionViewportPosition(2) + 150, header().height() / 2);
    QTest::mousePress(header().viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(header().viewport(), (from + to) / 2);
    QTest::mouseMove(header().viewport(), to);
    QTest::mouseRelease(header().viewport(), Qt::LeftButton, {}, to);

    EXPECT_EQ(DocumentState::columns(*m_document), QStringLiteral("1:2 2:3 0:1"));
    WAIT_UNTIL(table().model()->index(0, 0).data().toString() == QStringLiteral("b"));
    for (int section = 0; section < 3; ++section)
        EXPECT_EQ(header().visualIndex(section), section);
    EXPECT_EQ(m_document->undoManager().undoActionName(), QStringLiteral("LSUDColumnMoved"));

    trigger(CommandId::Undo);
    EXPECT_EQ(DocumentState::columns(*m_document), QStringLiteral("0:1 1:2 2:3"));
    WAIT_UNTIL(table().model()->index(0, 0).data().toString() == QStringLiteral("a"));
}

// The arrow at the right of a header opens the column's menu; a click a few points to its left
// is an ordinary header click that selects the column.
TEST_F(DocumentWindowTest, HeaderArrowOpensTheMenuWhileAClickBesideItSelects)
{
    DocumentWindow &window = open("a,b,c\nd,e,f\n");
    m_document->selectRowIndexes({0}, false);
    const auto [left, right] = header().arrowHotZone(1);
    const int y = header().height() / 2;
    const QColor arrow = header().grab().toImage().pixelColor(right - 7, 7);
    EXPECT_GT(arrow.blue(), arrow.red() + 40) << "no arrow drawn at the right of the header";

    QTest::mouseClick(header().viewport(), Qt::LeftButton, {}, QPoint((left + right) / 2, y));
    WAIT_UNTIL(window.columnContextMenu()->isVisible());
    EXPECT_EQ(m_document->selectedColumnIndexes(), IndexSet({1}));
    EXPECT_TRUE(m_document->selectedRowIndexes().isEmpty());
    window.columnContextMenu()->close();

    m_document->selectColumnIndexes({}, false);
    QTest::mouseClick(header().viewport(), Qt::LeftButton, {}, QPoint(left - 4, y));
    EXPECT_EQ(m_document->selectedColumnIndexes(), IndexSet({1}));
    EXPECT_FALSE(window.columnContextMenu()->isVisible());
}

TEST_F(DocumentWindowTest, ClicksAndKeysSelectRowsInTheDocument)
{
    DocumentWindow &window = open("a\nb\nc\nd\n");
    QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, cellCenter(1, 0));
    QTest::mouseClick(table().viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCenter(3, 0));
    EXPECT_EQ(m_document->selectedRowIndexes(), IndexSet::fromRange(1, 3));
    QTest::mouseClick(table().viewport(), Qt::LeftButton, Qt::ControlModifier, cellCenter(2, 0));
    EXPECT_EQ(m_document->selectedRowIndexes(), IndexSet({1, 3}));
    WAIT_UNTIL(window.statusLabelField()->text() == QStringLiteral("2 rows selected, 4 rows"));

    trigger(CommandId::SelectAll);
    EXPECT_EQ(m_document->selectedRowIndexes(), IndexSet::fromRange(0, 4));
}

// Whatever the state, the window offers exactly what the rules say for it: the duplicate-rows
// view and a find hit reach the rules.
TEST_F(DocumentWindowTest, TakesItsCommandStateFromDocumentAndWindow)
{
    DocumentWindow &window = open("a,b,c\nd,e,f\n");
    m_document->setFilteredRowArrays(CSVRowList{m_document->rowArrays().front()});
    m_document->setDisplayMode(CSVDocument::DuplicateRowsMode);
    CSVFindReplaceState &find = m_document->findReplaceState();
    find.findReplaceRow = 0;
    find.findReplaceColumnFoundIdentifier = QStringLiteral("0");
    find.findReplaceFoundRow = m_document->rowArrays().front();
    m_document->selectRowIndexes({0}, false);
    table().setFocus();
    WAIT_UNTIL(table().hasFocus());
    window.updateUI();

    CommandState expected;
    expected.displayMode = 3;
    expected.selectedRows = 1;
    expected.columns = 3;
    expected.findHitRemembered = true;
    expected.tableHasFocus = true;
    expected.hasFile = true;
    EXPECT_EQ(window.commandState(), expected);
    EXPECT_FALSE(window.csvSearchField()->isEnabled());
    EXPECT_EQ(window.statusLabelField()->text(), QStringLiteral("1 row selected, 1 of 2 rows"));
}

// Rows of uneven length: the question sits on the window inside the highlight, and the document
// follows the answer.
TEST_F(DocumentWindowTest, RaggedRowsAreFixedWhenTheUserSaysSo)
{
    ZRNSheetPresentation::sharedPresentation().setUseHighlightEffect(true);
    DocumentWindow &window = open("a,b,c\nd,e\n");
    WAIT_UNTIL(openAlert(&window));
    EXPECT_EQ(openAlert(&window)->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(ZRNSheetPresentation::highlightForWindow(&window));
    ASSERT_TRUE(answerAlert(&window, 0));
    EXPECT_EQ(DocumentState::visibleRows(*m_document), QStringLiteral("a,b,c|d,e,"));
    EXPECT_TRUE(m_document->isEditable());
    WAIT_UNTIL(window.isWindowModified());
    EXPECT_FALSE(ZRNSheetPresentation::highlightForWindow(&window));
    EXPECT_FALSE(m_document->isColumnMismatchQuestionPending());
}

// Opened read-only instead, the rows stay as they are and refuse edits and column drags, but
// still select.
TEST_F(DocumentWindowTest, RaggedRowsOpenedReadOnlyRefuseEditsAndDrags)
{
    DocumentWindow &window = open("a,b,c\nd,e\n");
    WAIT_UNTIL(openAlert(&window));
    ASSERT_TRUE(answerAlert(&window, 1));
    EXPECT_EQ(DocumentState::visibleRows(*m_document), QStringLiteral("a,b,c|d,e"));
    EXPECT_FALSE(m_document->isColumnMismatchQuestionPending());
    doubleClick(table().viewport(), cellCenter(0, 0));
    EXPECT_FALSE(table().viewport()->findChild<QLineEdit *>());
    WAIT_UNTIL(!header().sectionsMovable());
    m_document->selectRowIndexes({0, 1}, false);
    m_document->selectColumnIndexes({1}, true);

    CommandState expected;
    expected.editable = false;
    expected.selectedRows = 2;
    expected.selectedColumns = 1;
    expected.columns = 3;
    expected.tableHasFocus = table().hasFocus();
    expected.hasFile = true;
    EXPECT_EQ(window.commandState(), expected);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("t.csv[*] (read-only)"));
    EXPECT_FALSE(window.isWindowModified());
}

struct QuestionCase
{
    const char *name;
    QByteArray file;
    QByteArray inserted;  // a file then inserted into the document, if any
    const char *question; // "title|read-only answer"
};

class ColumnMismatchQuestionTest : public DocumentWindowTest,
                                   public ::testing::WithParamInterface<QuestionCase>
{};

// The ragged-rows question says what it is about: the file, an empty file, or the document an
// inserted file left with rows of uneven length.
TEST_P(ColumnMismatchQuestionTest, SaysWhatItIsAbout)
{
    DocumentWindow &window = open(GetParam().file);
    if (!GetParam().inserted.isEmpty()) {
        const QString more =
            TestData::writeFile(m_dir, QStringLiteral("more.csv"), GetParam().inserted);
        ASSERT_TRUE(m_document->insertRowsFromURL(more, {}, nullptr));
    }
    WAIT_UNTIL(openAlert(&window));
    const QMessageBox *box = openAlert(&window);
    EXPECT_EQ(box->text() + u'|' + box->buttons().at(1)->text(),
              QString::fromUtf8(GetParam().question));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Causes, ColumnMismatchQuestionTest, ::testing::Values(
    QuestionCase{"RaggedFile", "a,b,c\nd\n", {}, "The rows of this file differ in length|Open Read-Only"},
    QuestionCase{"EmptyFile", "", {}, "This file is empty|Open Read-Only"},
    QuestionCase{"InsertedFile", "a,b\n", "c\n",
                 "The rows of this document now differ in length|Make Read-Only"}),
    caseName);
// clang-format on

TEST_F(DocumentWindowTest, ReadFailureIsShownWithTheFileName)
{
    DocumentWindow &window = open("a,b\nc,\xff\xfe\n");
    WAIT_UNTIL(openAlert(&window));
    EXPECT_TRUE(openAlert(&window)->informativeText().contains(QStringLiteral("t.csv")));
    EXPECT_FALSE(m_document->isEditable());
    ASSERT_TRUE(answerAlert(&window, 0));
    EXPECT_FALSE(openAlert(&window));
}

} // namespace

// A very wide file: the search field's column menu is made only when it opens, and bounded, so
// the window shows without adding an item per column.
TEST_F(DocumentWindowTest, SearchMenuOfAWideTableIsMadeWhenOpenedAndBounded)
{
    QByteArray line(1499, ',');
    DocumentWindow &window = open(line + '\n');
    auto *menu = window.findChild<QMenu *>(QStringLiteral("searchMenu"));
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->actions().isEmpty());
    emit menu->aboutToShow();
    const QList<QAction *> items = menu->actions();
    ASSERT_EQ(items.size(), 1001);
    EXPECT_FALSE(items.last()->isEnabled());
    EXPECT_TRUE(items.last()->text().contains(QStringLiteral("502")));
}

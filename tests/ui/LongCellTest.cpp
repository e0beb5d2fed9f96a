#include "ui/CSVTableView.h"
#include "ui/DocumentWindow.h"
#include "ui/LongCellEditor.h"
#include "ui/TableCellText.h"

#include "GuiTestSupport.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using NamedCases::PrintTo;

struct ShownCase
{
    const char *name;
    QString cell;
    QString shown;
};

class ShownTextTest : public ::testing::TestWithParam<ShownCase>
{};

TEST_P(ShownTextTest, ShowsTheFirstLineCutToWhatAColumnShows)
{
    const QString &cell = GetParam().cell;
    const QByteArray latin1 = cell.toLatin1();
    EXPECT_EQ(TableCellText::shown(cell), GetParam().shown);
    EXPECT_EQ(TableCellText::shown(QLatin1StringView(latin1)), GetParam().shown);
}

const QString s_more = QStringLiteral("\u2026");

INSTANTIATE_TEST_SUITE_P(
    Cells, ShownTextTest,
    ::testing::Values(ShownCase{"Short", QStringLiteral("short"), QStringLiteral("short")},
                      ShownCase{"Lines", QStringLiteral("one\r\ntwo"),
                                QStringLiteral("one") + s_more},
                      ShownCase{"Long", QString(5000, u'x'), QString(1000, u'x') + s_more},
                      ShownCase{"Empty", QString(), QString()}),
    caseName);

// A window on one row whose second cell is given, its editor opened with F2.
class LongCellWindowTest : public ::testing::Test
{
protected:
    LongCellEditor *edit(const QString &cell)
    {
        m_document.setRowArrays({makeCSVRow({QStringLiteral("a"), cell}),
                                 makeCSVRow({QStringLiteral("b"), QStringLiteral("c")})});
        m_document.setNumberOfColumns(2);
        m_window = std::make_unique<DocumentWindow>(m_document);
        m_window->show();
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        CSVTableView *table = m_window->tableView();
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 1));
        QTest::keyClick(table, Qt::Key_F2);
        return table->viewport()->findChild<LongCellEditor *>();
    }

    QString cell() { return m_document.objectValueForTableColumn(1, 0); }

    CSVDocument m_document;
    std::unique_ptr<DocumentWindow> m_window;
};

// Only the part the user changed changes; the rest stays as it was.
TEST_F(LongCellWindowTest, EditsAHugeCellAPartAtATime)
{
    const QString text = QString(200'000, u'x');
    LongCellEditor *editor = edit(text);
    ASSERT_TRUE(editor);
    EXPECT_EQ(m_window->tableView()->model()->index(0, 1).data().toString().size(), 1001);
    EXPECT_EQ(editor->partBar()->maximum(), 3);
    editor->partBar()->setValue(2);
    editor->textArea()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(editor->textArea(), QStringLiteral("Y"));
    QTest::keyClick(editor->textArea(), Qt::Key_Tab);
    QString expected = text;
    expected.insert(2 * LongCellEditor::s_partLength, u'Y');
    EXPECT_TRUE(cell() == expected);
    EXPECT_EQ(m_document.undoManager().undoActionName(), QStringLiteral("LSUDDataEdited"));
}

TEST_F(LongCellWindowTest, AnEditorLeftUnchangedWritesNothing)
{
    LongCellEditor *editor = edit(QString(10'000, u'z') + QStringLiteral("\r\nend"));
    ASSERT_TRUE(editor);
    editor->partBar()->setValue(0);
    QTest::keyClick(editor->textArea(), Qt::Key_Tab);
    EXPECT_FALSE(m_document.undoManager().canUndo());
    EXPECT_TRUE(cell() == QString(10'000, u'z') + QStringLiteral("\r\nend"));
}

// Enter breaks the line in a cell of several lines; Ctrl+Enter commits and moves down.
TEST_F(LongCellWindowTest, EnterBreaksTheLineOfACellOfSeveralLines)
{
    LongCellEditor *editor = edit(QStringLiteral("one\ntwo"));
    ASSERT_TRUE(editor);
    QTest::keyClick(editor->textArea(), Qt::Key_Return);
    QTest::keyClicks(editor->textArea(), QStringLiteral("three"));
    QTest::keyClick(editor->textArea(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(cell(), QStringLiteral("one\ntwo\nthree"));
    EXPECT_EQ(m_window->tableView()->currentIndex().row(), 1);
}

// The header takes the width most columns share at once, and the others one by one.
TEST_F(LongCellWindowTest, ColumnsOfOtherWidthsKeepTheirWidths)
{
    m_document.setRowArrays({makeCSVRow(
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")})});
    m_document.setNumberOfColumns(4);
    m_window = std::make_unique<DocumentWindow>(m_document);
    m_document.setColumnWidth(2, 50);
    m_window->tableView()->synchronize();
    QHeaderView *header = m_window->tableView()->horizontalHeader();
    EXPECT_EQ(QStringLiteral("%1 %2 %3 %4")
                  .arg(header->sectionSize(0))
                  .arg(header->sectionSize(1))
                  .arg(header->sectionSize(2))
                  .arg(header->sectionSize(3)),
              QStringLiteral("200 200 50 200"));
}

} // namespace

#include "ui/CSVTableView.h"
#include "ui/CSVTableColumnHeaderView.h"

#include "GuiTestSupport.h"

#include "kit/ZRNLineNumberRulerWithMarker.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using NamedCases::PrintTo;

std::unique_ptr<CSVDocument> documentWithRows(int count)
{
    CSVRowList rows;
    rows.reserve(size_t(count));
    for (int row = 0; row < count; ++row)
        rows.push_back(makeCSVRow({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    auto document = CSVDocument::withRows(std::move(rows), {});
    document->buildTableViewColumns();
    return document;
}

IndexSet everyOtherRow(qint64 rowCount)
{
    IndexSet rows;
    for (qint64 row = 0; row < rowCount; row += 2)
        rows.add(row);
    return rows;
}

// What a row in view shows, for each row wholly in view: "4:SSSR 5:...-".
QString rowsInView(const CSVTableView &table, const std::function<QString(int row)> &shown)
{
    QStringList rows;
    const int height = table.viewport()->height();
    int row = std::max(0, table.rowAt(0));
    if (table.rowViewportPosition(row) < 0)
        ++row;
    for (; row < table.model()->rowCount() &&
           table.rowViewportPosition(row) + table.rowHeight(row) <= height;
         ++row)
        rows.append(QStringLiteral("%1:%2").arg(row).arg(shown(row)));
    return rows.join(QLatin1Char(' '));
}

// Each cell as drawn, S selected and . not (? where the drawing and the selection model, which
// the view's click handling and accessibility read, disagree), then R when the row's number
// shows as selected.
QString shownSelection(const CSVTableView &table)
{
    const QImage image = table.viewport()->grab().toImage();
    const QColor highlight = table.palette().color(
        table.isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    return rowsInView(table, [&](int row) {
        QString shown;
        for (int column = 0; column < table.model()->columnCount(); ++column) {
            const QModelIndex index = table.model()->index(row, column);
            const QRect cell = table.visualRect(index);
            const bool drawn = image.pixelColor(cell.center()) == highlight;
            const bool held = table.selectionModel()->isSelected(index);
            shown += drawn != held ? u'?' : drawn ? u'S' : u'.';
        }
        return shown + (table.lineNumberView()->isRowSelected(row) ? u'R' : u'-');
    });
}

// Each column's header: O when the column holds selected cells, S when all of them are.
QString shownHeader(const CSVTableView &table)
{
    QStringList columns;
    for (int column = 0; column < table.model()->columnCount(); ++column) {
        const QStyle::State state = table.columnHeaderView()->selectionState(column);
        QString shown = state & QStyle::State_On ? QStringLiteral("O") : QStringLiteral("-");
        if (state & QStyle::State_Sunken)
            shown += u'S';
        columns.append(shown);
    }
    return columns.join(QLatin1Char(' '));
}

class CSVTableViewTest : public ::testing::Test
{
protected:
    CSVTableView &show(int rowCount)
    {
        m_document = documentWithRows(rowCount);
        m_table = std::make_unique<CSVTableView>(*m_document);
        m_table->resize(800, 300);
        m_table->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_table.get()));
        return *m_table;
    }

    void clickRowNumber(int row, Qt::KeyboardModifiers modifiers = {})
    {
        ZRNLineNumberRulerWithMarker &ruler = *m_table->lineNumberView();
        const QPoint position(ruler.width() / 2,
                              ruler.sectionViewportPosition(row) + ruler.sectionSize(row) / 2);
        QTest::mouseClick(ruler.viewport(), Qt::LeftButton, modifiers, position);
    }

    void clickCell(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QPoint position = m_table->visualRect(m_table->model()->index(row, 0)).center();
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, modifiers, position);
    }

    std::unique_ptr<CSVDocument> m_document;
    std::unique_ptr<CSVTableView> m_table;
};

struct ShownSelectionCase
{
    const char *name;
    int rowCount;
    std::function<void(CSVDocument &)> select;
    // What row r shows, as shownSelection() writes it.
    QString (*row)(int r);
    const char *header;

    friend void PrintTo(const ShownSelectionCase &selection, std::ostream *os)
    {
        *os << selection.name;
    }
};

class ShownSelectionTest : public CSVTableViewTest,
                           public ::testing::WithParamInterface<ShownSelectionCase>
{};

// Wherever the table is scrolled, it draws exactly the document's selection; the selection model
// holds no more of it than the rows in view, however many separate ranges the document holds.
TEST_P(ShownSelectionTest, DrawsTheDocumentsSelectionWhereverItScrolls)
{
    const ShownSelectionCase &selection = GetParam();
    CSVTableView &table = show(selection.rowCount);
    table.clearFocus(); // the focused cell draws its own colours
    selection.select(*m_document);
    table.synchronize();
    for (const int row : {0, selection.rowCount / 2, selection.rowCount - 1}) {
        table.scrollTo(table.model()->index(row, 0));
        EXPECT_EQ(shownSelection(table), rowsInView(table, selection.row)) << "near row " << row;
        EXPECT_LE(table.selectionModel()->selection().size(),
                  table.viewport()->height() / table.rowHeight(0) + 2);
    }
    EXPECT_EQ(shownHeader(table), QString::fromLatin1(selection.header));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Selections, ShownSelectionTest, ::testing::Values(
    // What undoing the removal of every other row of a large file selects.
    ShownSelectionCase{"TwoHundredThousandSeparateRows", 400000,
        [](CSVDocument &d) { d.selectRowIndexes(everyOtherRow(400000), false); },
        [](int r) { return QString::fromLatin1(r % 2 ? "...-" : "SSSR"); }, "O O O"},
    ShownSelectionCase{"OneColumn", 100,
        [](CSVDocument &d) { d.selectColumnIndexes({1}, false); },
        [](int) { return QStringLiteral(".S.-"); }, "- OS -"},
    ShownSelectionCase{"AllColumns", 100,
        [](CSVDocument &d) { d.selectColumnIndexes(IndexSet::fromRange(0, 3), false); },
        [](int) { return QStringLiteral("SSSR"); }, "OS OS OS"}),
    caseName);
// clang-format on

// Clicks on the row numbers, and a ctrl-click on a row scrolled into view, which deselects it
// only when the row is selected where the user clicks: each ends in the document, the only owner
// of the selection.
TEST_F(CSVTableViewTest, ClicksSelectInTheDocument)
{
    CSVTableView &table = show(1000);
    m_document->selectRowIndexes(everyOtherRow(1000), false);
    table.synchronize();
    table.scrollTo(table.model()->index(500, 0), QAbstractItemView::PositionAtTop);
    clickCell(500, Qt::ControlModifier);
    IndexSet expected = everyOtherRow(1000);
    expected.remove(500);
    EXPECT_EQ(m_document->selectedRowIndexes(), expected);

    clickRowNumber(3);
    clickRowNumber(5, Qt::ControlModifier);
    clickRowNumber(7, Qt::ShiftModifier);
    EXPECT_EQ(m_document->selectedRowIndexes(), (IndexSet{3, 5, 6, 7}));
}

} // namespace

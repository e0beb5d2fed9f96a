#include "ui/CSVTableModel.h"

#include "GuiTestSupport.h"

#include "support/QtPrinters.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CSVDocument> documentWithRows(const QStringList &lines)
{
    auto document = CSVDocument::withRows(DocumentState::makeRows(lines), {});
    document->buildTableViewColumns();
    return document;
}

QString modelRows(const QAbstractItemModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells.append(model.index(row, column).data().toString());
        rows.append(cells.join(QLatin1Char(',')));
    }
    return rows.join(QLatin1Char('|'));
}

// Every change the commands make, followed through the model with a tester that checks each
// signal the model sends against what it answers.
TEST(CSVTableModelTest, FollowsEveryKindOfChangeConsistently)
{
    auto document = documentWithRows({"a,b,c", "d,e,f"});
    CSVTableModel model(*document);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_TRUE(model.setData(model.index(1, 2), QStringLiteral("F")));
    document->insertCSVRow(makeCSVRow({"g", "h", "i"}), 0);
    document->removeTableColumn(document->tableColumns().at(0));
    document->moveTableColumn(0, 1);
    WAIT_UNTIL(!model.isSynchronizationPending());
    EXPECT_EQ(modelRows(model), QStringLiteral("i,h|c,b|F,e"));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("3"));

    document->undoManager().undo(); // the changes of one event are one step; the edit its own
    WAIT_UNTIL(!model.isSynchronizationPending());
    EXPECT_EQ(modelRows(model), QStringLiteral("a,b,c|d,e,F"));
}

// Removing a million rows one by one would tell a view a million times; the model tells it once,
// and until then answers with the shape it announced, so a view never reads past the rows left.
TEST(CSVTableModelTest, CoalescesManyChangesIntoOne)
{
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines.append(QStringLiteral("%1,x").arg(i));
    auto document = documentWithRows(lines);
    CSVTableModel model(*document);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);

    const CSVRowList rows(document->rowArrays().begin() + 1, document->rowArrays().end());
    for (const CSVRowPtr &row : rows)
        document->removeCSVRow(row);
    EXPECT_EQ(model.rowCount(), 500);
    EXPECT_FALSE(model.index(499, 0).data().isValid());

    WAIT_UNTIL(removals.count() == 1);
    EXPECT_EQ(modelRows(model), QStringLiteral("0,x"));
    EXPECT_EQ(removals.at(0).at(2).toInt() - removals.at(0).at(1).toInt() + resets.count(), 498);
}

// A view's row header makes an entry per row it is told of, all at once: millions of rows are
// told a block at a time, after the first block. A reset tells the rows told before at once, so
// that the view keeps its place, and the rows beyond them in blocks.
TEST(CSVTableModelTest, TellsMillionsOfRowsABlockAtATime)
{
    constexpr int block = CSVTableModel::s_rowsPerPass;
    auto document = documentWithRows({"a"});
    const CSVRowPtr row = document->rowArrays().front();
    document = CSVDocument::withRows(CSVRowList(block * 2 + 1, row), {});
    document->buildTableViewColumns();
    CSVTableModel model(*document);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(model.rowCount(), block);
    WAIT_UNTIL(model.rowCount() == block * 2 + 1);
    EXPECT_EQ(inserts.count(), 2);

    document->insertCSVRow(row, 0);
    document->insertCSVRows(CSVRowList(block, row), document->numberOfRowsInTableView());
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.synchronize();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model.rowCount(), block * 2 + 1);
    WAIT_UNTIL(model.rowCount() == block * 3 + 2);
    EXPECT_EQ(model.index(block * 3 + 1, 0).data().toString(), QStringLiteral("a"));
}

} // namespace

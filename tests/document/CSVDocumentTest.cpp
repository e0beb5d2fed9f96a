#include "DocumentState.h"

#include "document/CSVDocument.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using DocumentState::makeRows;

QString describeColumns(const CSVDocument &document)
{
    QStringList columns;
    for (const CSVTableColumn &c : document.tableColumns().columns()) {
        columns << QStringLiteral("%1:%2:%3:%4:%5")
                       .arg(c.identifier(), c.title())
                       .arg(c.width())
                       .arg(int(c.contentAlignment()))
                       .arg(int(c.headerAlignment()));
    }
    return columns.join(u' ');
}

TEST(CSVDocumentTest, NewDocumentHasOneRowOfFourEmptyCellsAndFourNumberedColumns)
{
    CSVDocument document;
    document.buildTableViewColumns();
    EXPECT_EQ(DocumentState::full(document), ",,, cols=0:1 1:2 2:3 3:4 sel=/ undo= redo=");
    EXPECT_EQ(describeColumns(document), "0:1:200:0:2 1:2:200:0:2 2:3:200:0:2 3:4:200:0:2");
}

TEST(CSVDocumentTest, ColumnsComeFromTheDescriptionListThenTheNumbers)
{
    CSVDocument document;
    document.setNumberOfColumns(3);
    const QVariantMap first{{"name", "Price"}, {"width", 80.5}, {"contentAlignment", 1u}};
    const QVariantMap tooNarrow{{"name", "Id"}, {"width", 3}, {"contentAlignment", 2u}};
    document.setAttributes({{"tableColumnsDescription", QVariantList{first, tooNarrow}}});
    document.buildTableViewColumns();
    EXPECT_EQ(describeColumns(document), "0:Price:80.5:1:2 1:Id:20:2:2 2:3:200:0:2");
}

TEST(CSVDocumentTest, NoColumnsStillRebuildsTheSearchMenu)
{
    CSVDocument document;
    document.setNumberOfColumns(0);
    DocumentState::SignalLog log(document);
    document.buildTableViewColumns();
    EXPECT_EQ(describeColumns(document) + " / " + QString::fromStdString(log.take()),
              " / columns menu");
}

TEST(CSVDocumentTest, TableShowsCellsByIdentifierAndMarksMissingOnes)
{
    CSVDocument document;
    document.setRowArrays(makeRows({"a,b,c", "d"}));
    document.setNumberOfColumns(3);
    document.buildTableViewColumns();
    document.tableViewColumnDidMove(2, 0);
    QStringList shown;
    for (qint64 row = 0; row < document.numberOfRowsInTableView(); ++row) {
        for (qint64 column = 0; column < document.tableColumns().count(); ++column)
            shown << document.objectValueForTableColumn(column, row);
    }
    const QString missing = localized("LSUndefinedContent");
    EXPECT_EQ(shown, QStringList({"c", "a", "b", missing, "d", missing}));
}

TEST(CSVDocumentTest, EditingPastTheEndOfAShortRowExtendsItAndUndoLeavesTheCellEmpty)
{
    CSVDocument document;
    document.setRowArrays(makeRows({"a,b,c", "d"}));
    document.setNumberOfColumns(3);
    document.buildTableViewColumns();
    document.setObjectValueForTableColumn(QStringLiteral("x"), 2, 1);
    EXPECT_EQ(DocumentState::withSteps(document),
              "a,b,c|d,,x cols=0:1 1:2 2:3 undo=LSUDDataEdited redo=");
    document.undoManager().undo();
    EXPECT_EQ(DocumentState::withSteps(document),
              "a,b,c|d,, cols=0:1 1:2 2:3 undo= redo=LSUDDataEdited");
}

// A window answers a column move by reporting it back; the move is still one step, and each
// undo and redo moves the column once.
TEST(CSVDocumentTest, ColumnMoveReportedBackByTheWindowIsRecordedOnce)
{
    CSVDocument document;
    document.buildTableViewColumns();
    int moves = 0;
    QObject::connect(&document, &CSVDocument::columnsChanged, &document, [&] {
        ++moves;
        document.tableViewColumnDidMove(2, 0);
    });
    {
        UndoGroup group(document.undoManager());
        document.moveTableColumn(2, 0);
        document.undoManager().setActionName(QStringLiteral("LSUDColumnMoved"));
    }
    document.undoManager().undo();
    const std::string afterUndo = DocumentState::withSteps(document);
    document.undoManager().redo();
    EXPECT_EQ(afterUndo + " / " + DocumentState::withSteps(document) + " / " +
                  std::to_string(moves),
              ",,, cols=0:1 1:2 2:3 3:4 undo= redo=LSUDColumnMoved / "
              ",,, cols=2:3 0:1 1:2 3:4 undo=LSUDColumnMoved redo= / 3");
}

TEST(CSVDocumentTest, UndoingAnInsertionUnderAFilterDropsRowsOfEqualCellsFromIt)
{
    CSVDocument document;
    const CSVRowList rows = makeRows({"a", "b", "a"});
    document.setRowArrays(rows);
    document.setFilteredRowArrays(CSVRowList{rows[0], rows[1], rows[2]});
    document.insertCSVRows(makeRows({"a"}), 1);
    document.undoManager().undo();
    EXPECT_EQ(DocumentState::table(document), "a|b|a filtered=b cols=");
}

TEST(CSVDocumentTest, SelectionQueriesAnswerVisibleRowsAndShownColumns)
{
    CSVDocument document;
    const CSVRowList rows = makeRows({"a", "b", "c"});
    document.setRowArrays(rows);
    document.setFilteredRowArrays(CSVRowList{rows[0], rows[2]});
    document.buildTableViewColumns();
    document.moveTableColumn(3, 0);
    document.selectRowIndexes({1}, false);
    document.selectColumnIndexes({0, 2}, false);
    QStringList columns;
    for (const CSVTableColumn &column : document.selectedColumns())
        columns << column.identifier();
    EXPECT_EQ(DocumentState::rows(document.selectedRows()) + u' ' + columns.join(u','), "c 3,1");
    EXPECT_EQ(document.indexOfColumnWithIdentifier(QStringLiteral("3")), 0);
    EXPECT_EQ(document.indexOfColumnWithIdentifier(QStringLiteral("9")), NotFound);
}

TEST(CSVDocumentTest, SettingsChangesRedrawTheTable)
{
    CSVDocument document;
    DocumentState::SignalLog log(document);
    NotificationCenter::defaultCenter().post(QStringLiteral("PrefsChanged"));
    NotificationCenter::defaultCenter().post(QStringLiteral("CSVRulesManagerRulesDidChanged"));
    EXPECT_EQ(log.take(), "reload reload");
}

} // namespace

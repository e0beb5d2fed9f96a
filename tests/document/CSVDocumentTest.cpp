#include "DocumentState.h"

#include "document/CSVDocument.h"

#include "foundation/LocalizedStrings.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Cells are found by the column's identifier, wherever it is shown; a short row shows its
// missing cells as such, and an edit there pads the row, which undo leaves padded but empty.
TEST(CSVDocumentTest, ShortRowsShowMissingCellsAndGrowWhenEdited)
{
    CSVDocument document;
    document.setRowArrays(DocumentState::makeRows({"a,b,c", "d"}));
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

    document.setObjectValueForTableColumn(QStringLiteral("x"), 0, 1);
    EXPECT_EQ(DocumentState::withSteps(document),
              "a,b,c|d,,x cols=2:3 0:1 1:2 undo=LSUDDataEdited redo=");
    document.undoManager().undo();
    EXPECT_EQ(DocumentState::withSteps(document),
              "a,b,c|d,, cols=2:3 0:1 1:2 undo=LSUDColumnMoved redo=LSUDDataEdited");
}

} // namespace

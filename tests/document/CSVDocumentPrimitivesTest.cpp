#include "DocumentState.h"

#include "document/CSVDocument.h"

#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using NamedCases::PrintTo;

// Rows 1 and 3 hold the same cells, so identity and content can be told apart.
struct PrimitiveCase
{
    const char *name;
    std::function<void(CSVDocument &, const CSVRowList &)> change;
    // The document after the change; the step carries the case's name unless the change names
    // it itself.
    const char *after;
    const char *emitted;
    bool filtered = false;
};

class CSVDocumentPrimitiveTest : public ::testing::TestWithParam<PrimitiveCase>
{
protected:
    void SetUp() override
    {
        m_rows = DocumentState::makeRows({"a,b,c", "d,e,f", "g,h,i", "d,e,f"});
        m_document.setRowArrays(m_rows);
        m_document.setNumberOfColumns(3);
        if (GetParam().filtered)
            m_document.setFilteredRowArrays(CSVRowList{m_rows[1], m_rows[2], m_rows[3]});
        m_document.buildTableViewColumns();
        m_document.selectRowIndexes(GetParam().filtered ? IndexSet{1} : IndexSet{1, 3}, false);
        m_document.selectColumnIndexes({0}, false);
    }

    CSVDocument m_document;
    CSVRowList m_rows;
};

// Selection is not undoable, so undo and redo are compared on the table and the steps.
TEST_P(CSVDocumentPrimitiveTest, ChangesThenUndoesAndRedoesAsOneStep)
{
    const PrimitiveCase &c = GetParam();
    UndoManager &undo = m_document.undoManager();
    const std::string before = DocumentState::table(m_document);
    DocumentState::SignalLog log(m_document);
    {
        UndoGroup group(undo);
        undo.setActionName(QString::fromLatin1(c.name));
        c.change(m_document, m_rows);
    }
    EXPECT_EQ(DocumentState::full(m_document) + " signals=" + log.take(),
              std::string(c.after) + " signals=" + c.emitted);
    const std::string after = DocumentState::withSteps(m_document);
    const QString step = undo.undoActionName();

    undo.undo();
    EXPECT_EQ(DocumentState::withSteps(m_document), before + " undo= redo=" + step.toStdString());
    undo.redo();
    EXPECT_EQ(DocumentState::withSteps(m_document), after);
}

CSVRowPtr row(const char *cells)
{
    return makeCSVRow(QString::fromLatin1(cells).split(u','));
}

using Rows = const CSVRowList &;

INSTANTIATE_TEST_SUITE_P(
    Primitives, CSVDocumentPrimitiveTest,
    ::testing::Values(
        PrimitiveCase{"RemoveRow", [](CSVDocument &d, Rows r) { d.removeCSVRow(r[1]); },
                      "a,b,c|g,h,i|d,e,f cols=0:1 1:2 2:3 sel=/0 undo=RemoveRow redo=",
                      "removed1+1 selection updateUI"},
        PrimitiveCase{"RemoveRowsAtIndexes",
                      [](CSVDocument &d, Rows) {
                          d.removeCSVRowsAtIndexes({0, 2});
                      },
                      "d,e,f|d,e,f cols=0:1 1:2 2:3 sel=/0 undo=RemoveRowsAtIndexes redo=",
                      "reload selection updateUI"},
        PrimitiveCase{"RemoveRowObjects",
                      [](CSVDocument &d, Rows r) {
                          d.removeCSVRows({r[3], r[0]});
                      },
                      "d,e,f|g,h,i cols=0:1 1:2 2:3 sel=/0 undo=RemoveRowObjects redo=",
                      "reload selection updateUI"},
        PrimitiveCase{"RemoveRowsInRange",
                      [](CSVDocument &d, Rows) { d.removeCSVRowsInRange(1, 2); },
                      "a,b,c|d,e,f cols=0:1 1:2 2:3 sel=/0 undo=RemoveRowsInRange redo=",
                      "removed1+2 selection updateUI"},
        PrimitiveCase{"ReplaceRowAndSetCell",
                      [](CSVDocument &d, Rows r) {
                          d.replaceCSVRow(r[2], row("x,y,z"));
                          d.setStringValue(QStringLiteral("z"), r[3], 2);
                      },
                      "a,b,c|d,e,f|x,y,z|d,e,z cols=0:1 1:2 2:3 sel=1 3/0 "
                      "undo=ReplaceRowAndSetCell redo=",
                      "cell cell"},
        PrimitiveCase{"InsertRow", [](CSVDocument &d, Rows) { d.insertCSVRow(row("n"), 1); },
                      "a,b,c|n|d,e,f|g,h,i|d,e,f cols=0:1 1:2 2:3 sel=1 3/0 undo=InsertRow redo=",
                      "inserted1+1 selection scrollRow1 updateUI"},
        PrimitiveCase{"InsertRows",
                      [](CSVDocument &d, Rows) {
                          d.insertCSVRows({row("n"), row("m")}, 4);
                      },
                      "a,b,c|d,e,f|g,h,i|d,e,f|n|m cols=0:1 1:2 2:3 sel=1 3 4 5/0 "
                      "undo=InsertRows redo=",
                      "inserted4+2 selection scrollRow4 updateUI"},
        PrimitiveCase{"InsertRowsAtIndexes",
                      [](CSVDocument &d, Rows) {
                          d.insertCSVRowsAtIndexes({row("n"), row("m")}, {0, 3});
                      },
                      "n|a,b,c|d,e,f|m|g,h,i|d,e,f cols=0:1 1:2 2:3 sel=0 1 3/0 "
                      "undo=InsertRowsAtIndexes redo=",
                      "reload selection updateUI"},
        PrimitiveCase{"SetRowsArray",
                      [](CSVDocument &d, Rows) { d.setRowsArrayUndoable({row("x")}); },
                      "x cols=0:1 1:2 2:3 sel=/0 undo=SetRowsArray redo=", "reload updateUI"},
        PrimitiveCase{"RemoveColumn",
                      [](CSVDocument &d, Rows) { d.removeTableColumn(d.tableColumns().at(0)); },
                      "a,b,c|d,e,f|g,h,i|d,e,f cols=1:2 2:3 sel=1 3/ undo=RemoveColumn redo=",
                      "columns selection menu"},
        // A quiet insertion leaves the selection and the scroll position alone.
        PrimitiveCase{"InsertColumnShownAndQuietly",
                      [](CSVDocument &d, Rows) {
                          d.insertTableColumn(CSVTableColumn::forPosition(3), 0);
                          d.quietInsertTableColumn(CSVTableColumn::forPosition(4), 4);
                      },
                      "a,b,c|d,e,f|g,h,i|d,e,f cols=3:4 0:1 1:2 2:3 4:5 sel=1 3/0 1 "
                      "undo=InsertColumnShownAndQuietly redo=",
                      "columns selection scrollColumn0 menu columns menu"},
        PrimitiveCase{"MoveColumnAndSetTitle",
                      [](CSVDocument &d, Rows) {
                          d.moveTableColumn(0, 2);
                          d.tableColumnSetTitle(d.tableColumns().at(1), QStringLiteral("P"));
                      },
                      "a,b,c|d,e,f|g,h,i|d,e,f cols=1:2 2:P 0:1 sel=1 3/2 "
                      "undo=MoveColumnAndSetTitle redo=",
                      "columns selection menu columns reload"},
        PrimitiveCase{"EditThroughTheTable",
                      [](CSVDocument &d, Rows) {
                          d.moveTableColumn(2, 0);
                          d.setObjectValueForTableColumn(QStringLiteral("z"), 0, 1);
                      },
                      "a,b,c|d,e,z|g,h,i|d,e,f cols=2:3 0:1 1:2 sel=1 3/1 "
                      "undo=LSUDDataEdited redo=",
                      "columns selection menu cell"},
        PrimitiveCase{"DragColumn", [](CSVDocument &d, Rows) { d.tableViewColumnDidMove(2, 0); },
                      "a,b,c|d,e,f|g,h,i|d,e,f cols=2:3 0:1 1:2 sel=1 3/1 "
                      "undo=LSUDColumnMoved redo=",
                      "columns selection"},
        PrimitiveCase{"RemoveFilteredRow", [](CSVDocument &d, Rows r) { d.removeCSVRow(r[1]); },
                      "a,b,c|g,h,i|d,e,f filtered=g,h,i|d,e,f cols=0:1 1:2 2:3 sel=/0 "
                      "undo=RemoveFilteredRow redo=",
                      "reload selection updateUI", true},
        // Rows are found in the filter by identity, and table positions count filtered rows.
        PrimitiveCase{"ReplaceAndEditFilteredRows",
                      [](CSVDocument &d, Rows r) {
                          d.replaceCSVRow(r[3], row("x,y,z"));
                          d.setObjectValueForTableColumn(QStringLiteral("z"), 0, 1);
                      },
                      "a,b,c|d,e,f|z,h,i|x,y,z filtered=d,e,f|z,h,i|x,y,z cols=0:1 1:2 2:3 "
                      "sel=1/0 undo=LSUDDataEdited redo=",
                      "cell cell", true}),
    caseName);

} // namespace

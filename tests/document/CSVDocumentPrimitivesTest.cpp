#include "DocumentState.h"

#include "document/CSVDocument.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>

namespace {

using DocumentState::makeRows;

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
        m_rows = makeRows({"a0,b0,c0", "a1,b1,c1", "a2,b2,c2", "a1,b1,c1"});
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

INSTANTIATE_TEST_SUITE_P(
    Primitives, CSVDocumentPrimitiveTest,
    ::testing::Values(
        PrimitiveCase{"RemoveRow",
                      [](CSVDocument &d, const CSVRowList &r) { d.removeCSVRow(r[1]); },
                      "a0,b0,c0|a2,b2,c2|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo=RemoveRow redo=",
                      "reload selection updateUI"},
        PrimitiveCase{"RemoveRowsAtIndexes",
                      [](CSVDocument &d, const CSVRowList &) {
                          d.removeCSVRowsAtIndexes({0, 2});
                      },
                      "a1,b1,c1|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo=RemoveRowsAtIndexes redo=",
                      "reload selection updateUI"},
        PrimitiveCase{"RemoveRowObjects",
                      [](CSVDocument &d, const CSVRowList &r) {
                          d.removeCSVRows({r[3], r[0]});
                      },
                      "a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=/0 undo=RemoveRowObjects redo=",
                      "reload selection updateUI"},
        PrimitiveCase{"RemoveRowsInRange",
                      [](CSVDocument &d, const CSVRowList &) { d.removeCSVRowsInRange(1, 2); },
                      "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 undo=RemoveRowsInRange redo=",
                      "reload selection updateUI"},
        PrimitiveCase{
            "ReplaceRow",
            [](CSVDocument &d, const CSVRowList &r) { d.replaceCSVRow(r[2], row("x,y,z")); },
            "a0,b0,c0|a1,b1,c1|x,y,z|a1,b1,c1 cols=0:1 1:2 2:3 sel=1 3/0 undo=ReplaceRow redo=",
            "reload"},
        PrimitiveCase{"InsertRow",
                      [](CSVDocument &d, const CSVRowList &) { d.insertCSVRow(row("n,n,n"), 1); },
                      "a0,b0,c0|n,n,n|a1,b1,c1|a2,b2,c2|a1,b1,c1 cols=0:1 1:2 2:3 sel=1 3/0 "
                      "undo=InsertRow redo=",
                      "reload selection scrollRow1 updateUI"},
        PrimitiveCase{
            "InsertRows",
            [](CSVDocument &d, const CSVRowList &) {
                d.insertCSVRows({row("n,n,n"), row("m,m,m")}, 4);
            },
            "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,c1|n,n,n|m,m,m cols=0:1 1:2 2:3 sel=1 3 4 5/0 "
            "undo=InsertRows redo=",
            "reload selection scrollRow4 updateUI"},
        PrimitiveCase{
            "InsertRowsAtIndexes",
            [](CSVDocument &d, const CSVRowList &) {
                d.insertCSVRowsAtIndexes({row("n,n,n"), row("m,m,m")}, {0, 3});
            },
            "n,n,n|a0,b0,c0|a1,b1,c1|m,m,m|a2,b2,c2|a1,b1,c1 cols=0:1 1:2 2:3 sel=0 1 3/0 "
            "undo=InsertRowsAtIndexes redo=",
            "reload selection updateUI"},
        PrimitiveCase{
            "SetRowsArray",
            [](CSVDocument &d, const CSVRowList &) { d.setRowsArrayUndoable({row("x")}); },
            "x cols=0:1 1:2 2:3 sel=/0 undo=SetRowsArray redo=", "reload updateUI"},
        PrimitiveCase{
            "RemoveColumn",
            [](CSVDocument &d, const CSVRowList &) { d.removeTableColumn(d.tableColumns().at(0)); },
            "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,c1 cols=1:2 2:3 sel=1 3/ undo=RemoveColumn redo=",
            "columns selection menu"},
        PrimitiveCase{"InsertColumn",
                      [](CSVDocument &d, const CSVRowList &) {
                          d.insertTableColumn(CSVTableColumn::forPosition(3), 0);
                      },
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,c1 cols=3:4 0:1 1:2 2:3 sel=1 3/0 1 "
                      "undo=InsertColumn redo=",
                      "columns selection scrollColumn0 menu"},
        PrimitiveCase{"QuietInsertColumn",
                      [](CSVDocument &d, const CSVRowList &) {
                          d.quietInsertTableColumn(CSVTableColumn::forPosition(3), 3);
                      },
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,c1 cols=0:1 1:2 2:3 3:4 sel=1 3/0 "
                      "undo=QuietInsertColumn redo=",
                      "columns menu"},
        PrimitiveCase{
            "MoveColumn", [](CSVDocument &d, const CSVRowList &) { d.moveTableColumn(0, 2); },
            "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,c1 cols=1:2 2:3 0:1 sel=1 3/2 undo=MoveColumn redo=",
            "columns selection menu"},
        PrimitiveCase{"SetTitle",
                      [](CSVDocument &d, const CSVRowList &) {
                          d.tableColumnSetTitle(d.tableColumns().at(1), QStringLiteral("Price"));
                      },
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,c1 cols=0:1 1:Price 2:3 sel=1 3/0 "
                      "undo=SetTitle redo=",
                      "columns reload"},
        PrimitiveCase{
            "SetCell",
            [](CSVDocument &d, const CSVRowList &r) {
                d.setStringValue(QStringLiteral("z"), r[3], 2);
            },
            "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,z cols=0:1 1:2 2:3 sel=1 3/0 undo=SetCell redo=",
            "reload"},
        PrimitiveCase{"EditThroughTheTable",
                      [](CSVDocument &d, const CSVRowList &) {
                          d.moveTableColumn(2, 0);
                          d.setObjectValueForTableColumn(QStringLiteral("e"), 0, 1);
                      },
                      "a0,b0,c0|a1,b1,e|a2,b2,c2|a1,b1,c1 cols=2:3 0:1 1:2 sel=1 3/1 "
                      "undo=LSUDDataEdited redo=",
                      "columns selection menu reload"},
        PrimitiveCase{"DragColumn",
                      [](CSVDocument &d, const CSVRowList &) { d.tableViewColumnDidMove(2, 0); },
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a1,b1,c1 cols=2:3 0:1 1:2 sel=1 3/1 "
                      "undo=LSUDColumnMoved redo=",
                      "columns selection"},
        PrimitiveCase{
            "RemoveFilteredRow", [](CSVDocument &d, const CSVRowList &r) { d.removeCSVRow(r[1]); },
            "a0,b0,c0|a2,b2,c2|a1,b1,c1 filtered=a2,b2,c2|a1,b1,c1 cols=0:1 1:2 2:3 sel=/0 "
            "undo=RemoveFilteredRow redo=",
            "reload selection updateUI", true},
        PrimitiveCase{"RemoveFilteredRowObjects",
                      [](CSVDocument &d, const CSVRowList &r) { d.removeCSVRows({r[0], r[3]}); },
                      "a1,b1,c1|a2,b2,c2 filtered=a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=/0 "
                      "undo=RemoveFilteredRowObjects redo=",
                      "reload selection updateUI", true},
        PrimitiveCase{
            "ReplaceFilteredRow",
            [](CSVDocument &d, const CSVRowList &r) { d.replaceCSVRow(r[3], row("x,y,z")); },
            "a0,b0,c0|a1,b1,c1|a2,b2,c2|x,y,z filtered=a1,b1,c1|a2,b2,c2|x,y,z cols=0:1 1:2 2:3 "
            "sel=1/0 undo=ReplaceFilteredRow redo=",
            "reload", true},
        PrimitiveCase{
            "EditFilteredRow",
            [](CSVDocument &d,
               const CSVRowList &) { d.setObjectValueForTableColumn(QStringLiteral("e"), 0, 2); },
            "a0,b0,c0|a1,b1,c1|a2,b2,c2|e,b1,c1 filtered=a1,b1,c1|a2,b2,c2|e,b1,c1 "
            "cols=0:1 1:2 2:3 sel=1/0 undo=LSUDDataEdited redo=",
            "reload", true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

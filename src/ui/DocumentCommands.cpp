#include "DocumentCommands.h"

#include "CSVTableView.h"
#include "ColumnTitlePanel.h"
#include "DocumentSaving.h"
#include "DocumentWindow.h"
#include "InsertColumnsSheet.h"
#include "InsertRowsSheet.h"
#include "RemovalQuestion.h"
#include "TableCellWidthMeasure.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVColumnCommands.h"
#include "document/commands/CSVColumnWidths.h"
#include "document/commands/CSVRowCommands.h"
#include "document/commands/CSVSelectionCommands.h"

namespace {

using Window = DocumentWindow;
using Sender = CommandSender;
using Kind = CSVRemoval::Kind;

void removeColumnFromContextMenu(Window &w, const Sender &s)
{
    w.document().selectColumnIndexes({s.representedObject.toLongLong()}, false);
    RemovalQuestion::ask(&w, w.document(), Kind::Columns);
}

void fitColumnWidths(Window &w, void (*fit)(CSVDocument &, const CSVCellWidthMeasure &))
{
    fit(w.document(), TableCellWidthMeasure(w.tableView()));
}

// The context menu's conversions are the Table menu's, on the column the menu was opened for.
CommandSender conversionFromContextMenu(const Sender &s)
{
    return {QStringLiteral("convertColumnContent"), s.tag, s.representedObject};
}

} // namespace

// One line per command: the action name, what it does, and, where the window's rules do not
// say it all, when it is available.
const QHash<QString, DocumentCommand> &documentCommands()
{
    static const QHash<QString, DocumentCommand> s_commands = {
        {QStringLiteral("undo"),
         {[](Window &w, const Sender &) { w.document().undoManager().undo(); },
          [](const Window &w, const Sender &) { return w.document().undoManager().canUndo(); }}},
        {QStringLiteral("redo"),
         {[](Window &w, const Sender &) { w.document().undoManager().redo(); },
          [](const Window &w, const Sender &) { return w.document().undoManager().canRedo(); }}},
        {QStringLiteral("selectAll"),
         {[](Window &w, const Sender &) { w.tableView()->selectAll(); }}},
        {QStringLiteral("performClose"), {[](Window &w, const Sender &) { w.close(); }}},
        {QStringLiteral("saveDocument"),
         {[](Window &w, const Sender &) { DocumentSaving::saveDocument(w); }}},
        {QStringLiteral("saveDocumentAs"),
         {[](Window &w, const Sender &) { DocumentSaving::saveDocumentAs(w); }}},
        {QStringLiteral("addNewRow"),
         {[](Window &w, const Sender &) { CSVRowCommands::addNewRow(w.document()); }}},
        {QStringLiteral("addNewColumn"),
         {[](Window &w, const Sender &) { CSVColumnCommands::addNewColumn(w.document()); }}},
        {QStringLiteral("removeSelectedRows"),
         {[](Window &w, const Sender &) { RemovalQuestion::ask(&w, w.document(), Kind::Rows); }}},
        {QStringLiteral("removeSelectedColumns"), {[](Window &w, const Sender &) {
             RemovalQuestion::ask(&w, w.document(), Kind::Columns);
         }}},
        {QStringLiteral("removeColumnFromCTM"), {removeColumnFromContextMenu}},
        {QStringLiteral("selectedRowIsHeader"),
         {[](Window &w, const Sender &) { CSVRowCommands::selectedRowIsHeader(w.document()); }}},
        {QStringLiteral("insertRows"),
         {[](Window &w, const Sender &) { InsertRowsSheet::beginSheet(&w, w.document()); }}},
        {QStringLiteral("insertColumns"),
         {[](Window &w, const Sender &) { InsertColumnsSheet::beginSheet(&w, w.document()); }}},
        {QStringLiteral("editTitleOfSelectedColumn"), {[](Window &w, const Sender &) {
             ColumnTitlePanel::beginPanel(w, w.document().selectedColumnIndexes().lastIndex());
         }}},
        {QStringLiteral("editColumnTitleFromCTM"), {[](Window &w, const Sender &s) {
             ColumnTitlePanel::beginPanel(w, s.representedObject.toLongLong());
         }}},
        {QStringLiteral("showTitleEditWindowForTableColumn"), {[](Window &w, const Sender &s) {
             ColumnTitlePanel::beginPanel(w, s.representedObject.toLongLong());
         }}},
        {QStringLiteral("invertSelection"),
         {[](Window &w, const Sender &) { CSVSelectionCommands::invertSelection(w.document()); }}},
        {QStringLiteral("deselectAll"),
         {[](Window &w, const Sender &) { CSVSelectionCommands::deselectAll(w.document()); }}},
        {QStringLiteral("adjustWidthForSelectedTableColumns"), {[](Window &w, const Sender &) {
             fitColumnWidths(w, CSVColumnWidths::fitSelectedColumns);
         }}},
        {QStringLiteral("adjustWidthForAllTableColumns"),
         {[](Window &w, const Sender &) { fitColumnWidths(w, CSVColumnWidths::fitAllColumns); }}},
        {QStringLiteral("setAlignmentForSelectedColumns"), {[](Window &w, const Sender &s) {
             CSVColumnCommands::setAlignmentForSelectedColumns(w.document(), TextAlignment(s.tag));
         }}},
        {QStringLiteral("convertColumnContentCTM"),
         {[](Window &w, const Sender &s) { w.sendCommand(conversionFromContextMenu(s)); },
          [](const Window &w, const Sender &s) {
              return w.isCommandEnabled(conversionFromContextMenu(s));
          }}},
        {QStringLiteral("performMiniaturize"),
         {[](Window &w, const Sender &) { w.showMinimized(); }}},
    };
    return s_commands;
}

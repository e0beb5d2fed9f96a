#include "CommandRegistry.h"

#include "ApplicationCommands.h"

#include "ui/CSVTableView.h"
#include "ui/ColumnTitlePanel.h"
#include "ui/DocumentRereading.h"
#include "ui/DocumentSaving.h"
#include "ui/DocumentWindow.h"
#include "ui/DuplicateRowsSheet.h"
#include "ui/FillColumnsSheet.h"
#include "ui/FindReplaceSheet.h"
#include "ui/InsertColumnsSheet.h"
#include "ui/InsertRowsSheet.h"
#include "ui/MergeColumnsSheet.h"
#include "ui/RemovalQuestion.h"
#include "ui/SortRowsSheet.h"
#include "ui/SystemPasteboard.h"
#include "ui/TableCellWidthMeasure.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVClipboard.h"
#include "document/commands/CSVColumnCommands.h"
#include "document/commands/CSVColumnWidths.h"
#include "document/commands/CSVConvertContent.h"
#include "document/commands/CSVEmptyCells.h"
#include "document/commands/CSVRowCommands.h"
#include "document/commands/CSVSelectionCommands.h"
#include "document/commands/CSVShiftContent.h"
#include "document/commands/CSVTextConversion.h"
#include "document/search/CSVFindReplace.h"

#include <QMetaEnum>
#include <QtDebug>

QString commandName(CommandId id)
{
    return QString::fromLatin1(QMetaEnum::fromType<CommandId>().valueToKey(int(id)));
}

namespace {

using Id = CommandId;
using Window = DocumentWindow;
using Sender = CommandSender;
using State = CommandState;
using Keys = QList<QKeySequence>;
using Kind = CSVRemoval::Kind;

// When commands are offered. r, c: selected rows and columns; m: shown columns.

bool always(const State &)
{
    return true;
}

bool editable(const State &s)
{
    return s.editable;
}

// Adds, removes or rewrites rows or columns: not in the duplicate-rows view.
bool changesTable(const State &s)
{
    return s.editable && s.displayMode != 3;
}

bool onSelectedRows(const State &s)
{
    return s.editable && s.selectedRows >= 1;
}

bool onOneRow(const State &s)
{
    return changesTable(s) && s.selectedRows == 1;
}

bool onSelectedColumns(const State &s)
{
    return changesTable(s) && s.selectedColumns >= 1;
}

// The last column is never removed.
bool removesColumns(const State &s)
{
    return onSelectedColumns(s) && s.selectedColumns != s.columns;
}

bool onOneColumn(const State &s)
{
    return changesTable(s) && s.selectedColumns == 1;
}

bool onTwoColumns(const State &s)
{
    return changesTable(s) && s.selectedColumns >= 2;
}

bool alignsColumns(const State &s)
{
    return s.editable && s.selectedColumns >= 1;
}

bool hasSelection(const State &s)
{
    return s.selectedRows >= 1 || s.selectedColumns >= 1;
}

bool onSelection(const State &s)
{
    return s.editable && hasSelection(s);
}

bool pastes(const State &s)
{
    return s.editable && s.canPaste;
}

bool canPaste(const State &s)
{
    return s.canPaste;
}

bool hasSelectedRows(const State &s)
{
    return s.selectedRows >= 1;
}

bool tableHasFocus(const State &s)
{
    return s.tableHasFocus;
}

bool findHitRemembered(const State &s)
{
    return s.findHitRemembered;
}

// A read-only document refuses every edit, replacing included.
bool replacesHit(const State &s)
{
    return s.editable && s.findHitRemembered;
}

bool canUndo(const State &s)
{
    return s.canUndo;
}

bool canRedo(const State &s)
{
    return s.canRedo;
}

bool hasFile(const State &s)
{
    return s.hasFile;
}

// Revert to Saved throws edits away: only for a document with a file and edits since.
bool revertible(const State &s)
{
    return s.hasFile && s.hasUnsavedChanges;
}

// The platform's keys for a standard command, and the key every desktop knows it by where the
// platform lacks that one: a bare X session has no key for Save As, and only F3 for Find Next.
Keys keys(QKeySequence::StandardKey command, QKeyCombination expected)
{
    Keys shortcuts = QKeySequence::keyBindings(command);
    if (!shortcuts.contains(QKeySequence(expected)))
        shortcuts.append(QKeySequence(expected));
    return shortcuts;
}

Keys key(QKeyCombination combination)
{
    return {QKeySequence(combination)};
}

// An action of the window that needs nothing from the sender.
Command::WindowAction onWindow(void (*perform)(Window &))
{
    return [perform](Window &w, const Sender &) { perform(w); };
}

// An action on the window's document that needs nothing from the sender.
Command::WindowAction onDocument(void (*perform)(CSVDocument &))
{
    return [perform](Window &w, const Sender &) { perform(w.document()); };
}

// A clipboard command on the window's document and the desktop's clipboard.
Command::WindowAction onClipboard(void (*perform)(CSVDocument &, CSVPasteboard &))
{
    return [perform](Window &w, const Sender &) {
        perform(w.document(), SystemPasteboard::general());
    };
}

Command::ApplicationAction onApplication(void (ApplicationCommands::*perform)())
{
    return [perform](ApplicationCommands &app, const Sender &) { (app.*perform)(); };
}

Command::WindowAction alignColumns(TextAlignment alignment)
{
    return [alignment](Window &w, const Sender &) {
        CSVColumnCommands::setAlignmentForSelectedColumns(w.document(), alignment);
    };
}

Command::WindowAction convertColumns(CSVTextConversion::Tag tag)
{
    return [tag](Window &w, const Sender &) {
        CSVConvertContent::convertColumnContent(w.document(), tag);
    };
}

// Shifting or rotating: towards the first shown column (tag 0) or the last (tag 1).
Command::WindowAction moveCells(void (*move)(CSVDocument &, int), int tag)
{
    return [move, tag](Window &w, const Sender &) { move(w.document(), tag); };
}

// A sheet that opens on the window for its document.
template<class Sheet>
Command::WindowAction openSheet()
{
    return [](Window &w, const Sender &) { Sheet::beginSheet(&w, w.document()); };
}

void fitColumnWidths(Window &w, void (*fit)(CSVDocument &, const CSVCellWidthMeasure &))
{
    fit(w.document(), TableCellWidthMeasure(w.tableView()));
}

void removeColumnFromContextMenu(Window &w, const Sender &s)
{
    w.document().selectColumnIndexes({s.argument.toLongLong()}, false);
    RemovalQuestion::ask(&w, w.document(), Kind::Columns);
}

void editColumnTitle(Window &w, const Sender &s)
{
    ColumnTitlePanel::beginPanel(w, s.argument.toLongLong());
}

Command::WindowAction duplicateRows(CSVDuplicateSearch::Purpose purpose)
{
    return [purpose](Window &w, const Sender &) { DuplicateRowsSheet::beginSheet(w, purpose); };
}

const Command::NotBuilt notBuilt;

// Every command, in menu order. To add one: a line here (its identifier from CommandId.h, its
// title key, its keys, its toolbar item, its rule and its action), then its place in a menu
// (MainMenu, ColumnContextMenu) or the toolbar (DocumentToolbar).
std::vector<Command> declarations()
{
    using QKS = QKeySequence;
    // clang-format off
    return {
        // File
        {Id::NewDocument, "LSMenuNew", keys(QKS::New, Qt::CTRL | Qt::Key_N), {}, always,
         onApplication(&ApplicationCommands::newDocument)},
        {Id::OpenDocument, "LSMenuOpen", keys(QKS::Open, Qt::CTRL | Qt::Key_O), {}, always,
         onApplication(&ApplicationCommands::openDocument)},
        {Id::OpenRecentDocument, "LSMenuOpenRecent", {}, {}, always,
         [](ApplicationCommands &app, const Sender &s) {
             app.openRecentDocument(s.argument.toString());
         }},
        {Id::ClearRecentDocuments, "LSMenuClearRecent", {}, {}, always,
         onApplication(&ApplicationCommands::clearRecentDocuments)},
        {Id::PerformClose, "LSMenuClose", keys(QKS::Close, Qt::CTRL | Qt::Key_W), {}, always,
         onWindow([](Window &w) { w.close(); })},
        {Id::SaveDocument, "LSMenuSave", keys(QKS::Save, Qt::CTRL | Qt::Key_S), {}, editable,
         onWindow([](Window &w) { DocumentSaving::saveDocument(w); })},
        {Id::SaveDocumentAs, "LSMenuSaveAs", keys(QKS::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         {}, editable, onWindow([](Window &w) { DocumentSaving::saveDocumentAs(w); })},
        {Id::RevertDocumentToSaved, "LSMenuRevert", {}, {}, revertible,
         onWindow(DocumentRereading::revertDocumentToSaved)},
        {Id::ReopenWithEncoding, "LSMenuReopenWithEncoding", {}, {}, hasFile,
         [](Window &w, const Sender &s) {
             DocumentRereading::reopenWithEncoding(w, StringEncoding(s.argument.toLongLong()));
         }},
        {Id::InsertDocument, "LSMenuInsertFile", {}, {}, changesTable,
         onApplication(&ApplicationCommands::insertDocument)},
        {Id::NewDocumentFromSelection, "LSMenuNewFromSelection", {}, {}, hasSelectedRows,
         onApplication(&ApplicationCommands::newDocumentFromSelection)},
        {Id::NewDocumentFromPasteboard, "LSMenuNewFromClipboard", {}, {}, canPaste,
         onApplication(&ApplicationCommands::newDocumentFromPasteboard)},
        {Id::Terminate, "LSMenuQuit", keys(QKS::Quit, Qt::CTRL | Qt::Key_Q), {}, always,
         onApplication(&ApplicationCommands::terminate)},
        // Edit
        {Id::Undo, "LSMenuUndo", keys(QKS::Undo, Qt::CTRL | Qt::Key_Z), {}, canUndo,
         onWindow([](Window &w) { w.document().undoManager().undo(); })},
        {Id::Redo, "LSMenuRedo", keys(QKS::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z), {}, canRedo,
         onWindow([](Window &w) { w.document().undoManager().redo(); })},
        {Id::Cut, "LSMenuCut", keys(QKS::Cut, Qt::CTRL | Qt::Key_X), {}, onSelection,
         onClipboard(CSVClipboard::cut)},
        {Id::Copy, "LSMenuCopy", keys(QKS::Copy, Qt::CTRL | Qt::Key_C), {}, onSelection,
         onClipboard(CSVClipboard::copy)},
        {Id::Paste, "LSMenuPaste", keys(QKS::Paste, Qt::CTRL | Qt::Key_V), {}, pastes,
         onClipboard([](CSVDocument &d, CSVPasteboard &p) { CSVClipboard::paste(d, p); })},
        {Id::EmptySelectedCells, "LSMenuEmptyCells", key(Qt::Key_Delete), {}, onSelection,
         onDocument(CSVEmptyCells::emptySelectedCells)},
        {Id::SelectAll, "LSMenuSelectAll", keys(QKS::SelectAll, Qt::CTRL | Qt::Key_A), {}, always,
         onWindow([](Window &w) { w.tableView()->selectAll(); })},
        {Id::InvertSelection, "LSMenuInvertSelection", {}, {}, tableHasFocus,
         onDocument(CSVSelectionCommands::invertSelection)},
        {Id::DeselectAll, "LSMenuDeselectAll", QKS::keyBindings(QKS::Deselect), {}, hasSelection,
         onDocument(CSVSelectionCommands::deselectAll)},
        {Id::ShowSearchDialog, "LSMenuFind", keys(QKS::Find, Qt::CTRL | Qt::Key_F), {}, always,
         onWindow([](Window &w) { FindReplaceSheet::beginSheet(&w, w.document()); })},
        {Id::FindNextAction, "LSMenuFindNext", keys(QKS::FindNext, Qt::CTRL | Qt::Key_G), {},
         findHitRemembered, onDocument(CSVFindReplace::findNext)},
        {Id::ReplaceAction, "LSMenuReplace", {}, {}, replacesHit,
         onDocument(CSVFindReplace::replace)},
        {Id::ReplaceAndFindNextAction, "LSMenuReplaceAndFindNext", {}, {}, replacesHit,
         onDocument(CSVFindReplace::replaceAndFindNext)},
        {Id::ShowPreferences, "LSMenuPreferences", QKS::keyBindings(QKS::Preferences), {}, always,
         onApplication(&ApplicationCommands::showPreferences)},
        // Table
        {Id::AddNewRow, "LSMenuAddRow", {}, {"AddRow", "rowAdd"}, changesTable,
         onDocument(CSVRowCommands::addNewRow)},
        {Id::InsertRows, "LSMenuInsertRows", {}, {}, changesTable, openSheet<InsertRowsSheet>()},
        {Id::RemoveSelectedRows, "LSMenuRemoveRows", {}, {"RemoveRow", "rowRemove"},
         onSelectedRows,
         onWindow([](Window &w) { RemovalQuestion::ask(&w, w.document(), Kind::Rows); })},
        {Id::SelectedRowIsHeader, "LSMenuSelectedRowIsHeader", {}, {}, onOneRow,
         onDocument(CSVRowCommands::selectedRowIsHeader)},
        {Id::AddNewColumn, "LSMenuAddColumn", {}, {"AddColumn", "columnAdd"}, changesTable,
         onDocument(CSVColumnCommands::addNewColumn)},
        {Id::InsertColumns, "LSMenuInsertColumns", {}, {}, changesTable,
         openSheet<InsertColumnsSheet>()},
        {Id::RemoveSelectedColumns, "LSMenuRemoveColumns", {}, {"RemoveColumn", "columnRemove"},
         removesColumns,
         onWindow([](Window &w) { RemovalQuestion::ask(&w, w.document(), Kind::Columns); })},
        {Id::EditTitleOfSelectedColumn, "LSMenuEditColumnTitle", {}, {}, onOneColumn,
         [](Window &w, const Sender &) {
             ColumnTitlePanel::beginPanel(w, w.document().selectedColumnIndexes().lastIndex());
         }},
        {Id::AlignLeft, "LSCTMLeft", {}, {}, alignsColumns, alignColumns(TextAlignment::Left)},
        {Id::AlignCenter, "LSCTMCenter", {}, {}, alignsColumns,
         alignColumns(TextAlignment::Center)},
        {Id::AlignRight, "LSCTMRight", {}, {}, alignsColumns, alignColumns(TextAlignment::Right)},
        {Id::ConvertToUppercase, "LSCTMConvertUppercase", {}, {}, onSelectedColumns,
         convertColumns(CSVTextConversion::Uppercase)},
        {Id::ConvertToLowercase, "LSCTMConvertLowercase", {}, {}, onSelectedColumns,
         convertColumns(CSVTextConversion::Lowercase)},
        {Id::ConvertToCapitalized, "LSCTMConvertCapitalize", {}, {}, onSelectedColumns,
         convertColumns(CSVTextConversion::Capitalize)},
        {Id::ConvertTrimSpaces, "LSCTMConvertTrimSpaces", {}, {}, onSelectedColumns,
         convertColumns(CSVTextConversion::TrimSpaces)},
        {Id::EmptyColumnContent, "LSCTMEmpty", {}, {}, onSelectedColumns,
         convertColumns(CSVTextConversion::Empty)},
        {Id::FillSelectedColumns, "LSMenuFillColumns", {}, {}, onSelectedColumns,
         openSheet<FillColumnsSheet>()},
        {Id::MergeSelectedColumns, "LSMenuMergeColumns", {}, {}, onTwoColumns,
         openSheet<MergeColumnsSheet>()},
        {Id::SortRows, "LSMenuSortRows", {}, {}, always, openSheet<SortRowsSheet>()},
        {Id::ShiftContentLeft, "LSMenuLeft", {}, {}, onSelectedRows,
         moveCells(CSVShiftContent::shiftContent, 0)},
        {Id::ShiftContentRight, "LSMenuRight", {}, {}, onSelectedRows,
         moveCells(CSVShiftContent::shiftContent, 1)},
        {Id::RotateContentLeft, "LSMenuLeft", {}, {}, onSelectedRows,
         moveCells(CSVShiftContent::rotateContent, 0)},
        {Id::RotateContentRight, "LSMenuRight", {}, {}, onSelectedRows,
         moveCells(CSVShiftContent::rotateContent, 1)},
        {Id::ShowDuplicateRows, "LSMenuShowDuplicateRows", {}, {}, always,
         duplicateRows(CSVDuplicateSearch::Purpose::Show)},
        {Id::RemoveDuplicateRows, "LSMenuRemoveDuplicateRows", {}, {}, changesTable,
         duplicateRows(CSVDuplicateSearch::Purpose::Remove)},
        // View
        {Id::OrderFrontFontPanel, "LSMenuShowFonts", key(Qt::CTRL | Qt::Key_T),
         {"ShowFonts", "showFonts"}, always,
         onApplication(&ApplicationCommands::orderFrontFontPanel)},
        {Id::AdjustWidthForSelectedTableColumns, "LSMenuAdjustSelectedWidths", {}, {}, always,
         onWindow([](Window &w) { fitColumnWidths(w, CSVColumnWidths::fitSelectedColumns); })},
        {Id::AdjustWidthForAllTableColumns, "LSMenuAdjustAllWidths", {}, {}, always,
         onWindow([](Window &w) { fitColumnWidths(w, CSVColumnWidths::fitAllColumns); })},
        // Window and Help
        {Id::PerformMiniaturize, "LSMenuMinimize", key(Qt::CTRL | Qt::Key_M), {}, always,
         onWindow([](Window &w) { w.showMinimized(); })},
        {Id::ShowSendFeedbackDialog, "LSMenuSendFeedback", {}, {}, always,
         onApplication(&ApplicationCommands::showSendFeedbackDialog)},
        {Id::ShowAboutBox, "LSMenuAbout", {}, {}, always,
         onApplication(&ApplicationCommands::showAboutBox)},
        // The column context menu and the header
        {Id::RemoveColumnFromCTM, "LSCTMRemove", {}, {}, removesColumns,
         removeColumnFromContextMenu},
        {Id::EditColumnTitleFromCTM, "LSCTMEditTitle", {}, {}, onOneColumn, editColumnTitle},
        {Id::ShowTitleEditWindowForTableColumn, "LSCTMEditTitle", {}, {}, always,
         editColumnTitle},
    };
    // clang-format on
}

// The declarations by identifier; an identifier without one gets an empty declaration.
std::vector<Command> indexedCommands()
{
    const int count = QMetaEnum::fromType<CommandId>().keyCount();
    std::vector<Command> commands;
    for (int value = 0; value < count; ++value)
        commands.push_back({CommandId(value), nullptr, {}, {}, always, notBuilt});
    for (Command &declared : declarations()) {
        Command &slot = commands[size_t(declared.id)];
        if (slot.titleKey)
            qWarning("Warning: CommandRegistry declares %s twice",
                     qPrintable(commandName(declared.id)));
        slot = std::move(declared);
    }
    for (const Command &command : commands) {
        if (!command.titleKey)
            qWarning("Warning: CommandRegistry has no declaration for %s",
                     qPrintable(commandName(command.id)));
    }
    return commands;
}

} // namespace

const std::vector<Command> &CommandRegistry::commands()
{
    static const std::vector<Command> s_commands = indexedCommands();
    return s_commands;
}

const Command &CommandRegistry::command(CommandId id)
{
    return commands()[size_t(id)];
}

bool CommandRegistry::isEnabled(CommandId id, const CommandState &state)
{
    const Command &declared = command(id);
    if (!declared.isBuilt() || (state.titlePanelOpen && !declared.isApplicationCommand()))
        return false;
    return declared.rule(state);
}

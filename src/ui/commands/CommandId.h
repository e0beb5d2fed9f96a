#pragma once

#include <QObject>
#include <QString>

// Every command of the menus, the toolbar and the column context menu, declared once in the
// command registry (CommandRegistry.cpp). Menus and toolbar name commands by these values, so a
// slip in a name does not build.
namespace Commands {
Q_NAMESPACE

enum class CommandId {
    // File
    NewDocument,
    OpenDocument,
    OpenRecentDocument, // argument: the file's path
    ClearRecentDocuments,
    PerformClose,
    SaveDocument,
    SaveDocumentAs,
    RevertDocumentToSaved,
    ReopenWithEncoding, // argument: the string encoding
    InsertDocument,
    NewDocumentFromSelection,
    NewDocumentFromPasteboard,
    Terminate,
    // Edit
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    EmptySelectedCells,
    SelectAll,
    InvertSelection,
    DeselectAll,
    ShowSearchDialog,
    FindNextAction,
    ReplaceAction,
    ReplaceAndFindNextAction,
    ShowPreferences,
    // Table
    AddNewRow,
    InsertRows,
    RemoveSelectedRows,
    SelectedRowIsHeader,
    AddNewColumn,
    InsertColumns,
    RemoveSelectedColumns,
    EditTitleOfSelectedColumn,
    AlignLeft,
    AlignCenter,
    AlignRight,
    ConvertToUppercase,
    ConvertToLowercase,
    ConvertToCapitalized,
    ConvertTrimSpaces,
    EmptyColumnContent,
    FillSelectedColumns,
    MergeSelectedColumns,
    SortRows,
    ShiftContentLeft,
    ShiftContentRight,
    RotateContentLeft,
    RotateContentRight,
    ShowDuplicateRows,
    RemoveDuplicateRows,
    // View
    OrderFrontFontPanel,
    AdjustWidthForSelectedTableColumns,
    AdjustWidthForAllTableColumns,
    // Window and Help
    PerformMiniaturize,
    ShowSendFeedbackDialog,
    ShowAboutBox,
    // The column context menu (argument: the clicked column's display position), and a
    // double-click on a column header
    RemoveColumnFromCTM,
    EditColumnTitleFromCTM,
    ShowTitleEditWindowForTableColumn,
};
Q_ENUM_NS(CommandId)

} // namespace Commands

using CommandId = Commands::CommandId;

// "AddNewRow": the command's name in messages and tests.
QString commandName(CommandId id);

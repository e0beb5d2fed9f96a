<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name></name>
    <message id="LSUntitledDocument">
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message id="LSUntitledDocumentNumbered">
        <source>Untitled %1</source>
        <translation>Untitled %1</translation>
    </message>
    <message id="LSOpenPanelTitle">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="LSInsertPanelTitle">
        <source>Insert File</source>
        <translation>Insert File</translation>
    </message>
    <message id="LSOpenPanelTables">
        <source>Text tables (*.csv *.tsv *.tab *.txt)</source>
        <translation>Text tables (*.csv *.tsv *.tab *.txt)</translation>
    </message>
    <message id="LSOpenPanelAllFiles">
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message id="LSOpenFailedTitle">
        <source>The file could not be opened</source>
        <translation>The file could not be opened</translation>
    </message>
    <message id="LSACloseUnsavedTitle">
        <source>Do you want to save the changes you made to “%1”?</source>
        <translation>Do you want to save the changes you made to “%1”?</translation>
    </message>
    <message id="LSACloseUnsavedMsg">
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Your changes will be lost if you don’t save them.</translation>
    </message>
    <message id="LSACloseSave">
        <source>Save…</source>
        <translation>Save…</translation>
    </message>
    <message id="LSACloseCancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="LSACloseDontSave">
        <source>Don’t Save</source>
        <translation>Don’t Save</translation>
    </message>
    <message id="LSFontPanelTitle">
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message id="LSAboutTitle">
        <source>About Tabwright</source>
        <translation>About Tabwright</translation>
    </message>
    <message id="LSAboutVersion">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="LSAboutSummary">
        <source>An editor for comma-, semicolon- and tab-separated text tables.</source>
        <translation>An editor for comma-, semicolon- and tab-separated text tables.</translation>
    </message>
    <message id="LSUDCutRows">
        <source>Cut Rows</source>
        <translation>Cut Rows</translation>
    </message>
    <message id="LSUDCutColumns">
        <source>Cut Columns</source>
        <translation>Cut Columns</translation>
    </message>
    <message id="LSUDPasteRows">
        <source>Paste Rows</source>
        <translation>Paste Rows</translation>
    </message>
    <message id="LSUDPasteColumns">
        <source>Paste Columns</source>
        <translation>Paste Columns</translation>
    </message>
    <message id="LSUDRowsMoved">
        <source>Move Rows</source>
        <translation>Move Rows</translation>
    </message>
    <message id="LSUDAddRow">
        <source>Add Row</source>
        <translation>Add Row</translation>
    </message>
    <message id="LSUDAddColumn">
        <source>Add Column</source>
        <translation>Add Column</translation>
    </message>
    <message id="LSUDRemoveRow">
        <source>Remove Rows</source>
        <translation>Remove Rows</translation>
    </message>
    <message id="LSUDRemoveColumn">
        <source>Remove Columns</source>
        <translation>Remove Columns</translation>
    </message>
    <message id="LSUDSelectedRowIsHeader">
        <source>Use Row as Titles</source>
        <translation>Use Row as Titles</translation>
    </message>
    <message id="LSUDInsertRows">
        <source>Insert Rows</source>
        <translation>Insert Rows</translation>
    </message>
    <message id="LSUDEditColumnTitle">
        <source>Edit Column Title</source>
        <translation>Edit Column Title</translation>
    </message>
    <message id="LSUDUppercaseData">
        <source>Convert to Upper Case</source>
        <translation>Convert to Upper Case</translation>
    </message>
    <message id="LSUDLowercaseData">
        <source>Convert to Lower Case</source>
        <translation>Convert to Lower Case</translation>
    </message>
    <message id="LSUDCapitalizedData">
        <source>Capitalize</source>
        <translation>Capitalize</translation>
    </message>
    <message id="LSUDTrimData">
        <source>Trim Spaces</source>
        <translation>Trim Spaces</translation>
    </message>
    <message id="LSUDEmptyData">
        <source>Empty Cells</source>
        <translation>Empty Cells</translation>
    </message>
    <message id="LSUDFillColumn">
        <source>Fill Columns</source>
        <translation>Fill Columns</translation>
    </message>
    <message id="LSUDSortRows">
        <source>Sort Rows</source>
        <translation>Sort Rows</translation>
    </message>
    <message id="LSUDMergeColumns">
        <source>Merge Columns</source>
        <translation>Merge Columns</translation>
    </message>
    <message id="LSUDShiftRows">
        <source>Shift Cells</source>
        <translation>Shift Cells</translation>
    </message>
    <message id="LSUDRotateRows">
        <source>Rotate Cells</source>
        <translation>Rotate Cells</translation>
    </message>
    <message id="LSARemoveRowsEntryTitle">
        <source>Remove the selected rows?</source>
        <translation>Remove the selected rows?</translation>
    </message>
    <message id="LSARemoveRowsEntry">
        <source>The rows are removed from the table. You can bring them back with Undo.</source>
        <translation>The rows are removed from the table. You can bring them back with Undo.</translation>
    </message>
    <message id="LSARemoveColumnsEntryTitle">
        <source>Remove the selected columns?</source>
        <translation>Remove the selected columns?</translation>
    </message>
    <message id="LSARemoveColumnsEntry">
        <source>The columns are no longer shown or saved. You can bring them back with Undo.</source>
        <translation>The columns are no longer shown or saved. You can bring them back with Undo.</translation>
    </message>
    <message id="LSCancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="LSInsert">
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message id="LSInsertRowsTitle">
        <source>Insert empty rows</source>
        <translation>Insert empty rows</translation>
    </message>
    <message id="LSInsertRowsCount">
        <source>Number of rows:</source>
        <translation>Number of rows:</translation>
    </message>
    <message id="LSInsertRowsAtBeginning">
        <source>At the beginning</source>
        <translation>At the beginning</translation>
    </message>
    <message id="LSInsertRowsAtEnd">
        <source>At the end</source>
        <translation>At the end</translation>
    </message>
    <message id="LSInsertRowsBeforeSelection">
        <source>Before the first selected row</source>
        <translation>Before the first selected row</translation>
    </message>
    <message id="LSInsertColumnsTitle">
        <source>Insert empty columns</source>
        <translation>Insert empty columns</translation>
    </message>
    <message id="LSInsertColumnsCount">
        <source>Number of columns:</source>
        <translation>Number of columns:</translation>
    </message>
    <message id="LSInsertColumnsAtBeginning">
        <source>At the left</source>
        <translation>At the left</translation>
    </message>
    <message id="LSInsertColumnsAtEnd">
        <source>At the right</source>
        <translation>At the right</translation>
    </message>
    <message id="LSInsertColumnsBefore">
        <source>Before the column</source>
        <translation>Before the column</translation>
    </message>
    <message id="LSInsertColumnsAfter">
        <source>After the column</source>
        <translation>After the column</translation>
    </message>
    <message id="LSColumnTitle">
        <source>Column title:</source>
        <translation>Column title:</translation>
    </message>
    <message id="LSSetColumnTitle">
        <source>Set Title</source>
        <translation>Set Title</translation>
    </message>
    <message id="LSFill">
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message id="LSFillTitle">
        <source>Fill the selected columns in every row</source>
        <translation>Fill the selected columns in every row</translation>
    </message>
    <message id="LSFillTextTab">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="LSFillNumberTab">
        <source>Number Series</source>
        <translation>Number Series</translation>
    </message>
    <message id="LSFillText">
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message id="LSFillReplace">
        <source>Replace the cell</source>
        <translation>Replace the cell</translation>
    </message>
    <message id="LSFillAppend">
        <source>Add after the cell</source>
        <translation>Add after the cell</translation>
    </message>
    <message id="LSFillPrepend">
        <source>Add before the cell</source>
        <translation>Add before the cell</translation>
    </message>
    <message id="LSFillStart">
        <source>Start at:</source>
        <translation>Start at:</translation>
    </message>
    <message id="LSFillIncrement">
        <source>Step per row:</source>
        <translation>Step per row:</translation>
    </message>
    <message id="LSFillInsertSeparator">
        <source>Put a blank between the cell and the number</source>
        <translation>Put a blank between the cell and the number</translation>
    </message>
    <message id="LSSort">
        <source>Sort</source>
        <translation>Sort</translation>
    </message>
    <message id="LSSortTitle">
        <source>Sort all rows</source>
        <translation>Sort all rows</translation>
    </message>
    <message id="LSSortBy">
        <source>Sort by:</source>
        <translation>Sort by:</translation>
    </message>
    <message id="LSSortThenBy">
        <source>Then by:</source>
        <translation>Then by:</translation>
    </message>
    <message id="LSSortNone">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="LSSortAscending">
        <source>Ascending</source>
        <translation>Ascending</translation>
    </message>
    <message id="LSSortDescending">
        <source>Descending</source>
        <translation>Descending</translation>
    </message>
    <message id="LSSortCompareNumbers">
        <source>Compare numbers by value</source>
        <translation>Compare numbers by value</translation>
    </message>
    <message id="LSMerge">
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message id="LSMergeTitle">
        <source>Merge the selected columns</source>
        <translation>Merge the selected columns</translation>
    </message>
    <message id="LSMergeOrder">
        <source>Order (drag to change it):</source>
        <translation>Order (drag to change it):</translation>
    </message>
    <message id="LSMergeDestination">
        <source>Into column:</source>
        <translation>Into column:</translation>
    </message>
    <message id="LSMergeSeparatorNone">
        <source>Nothing between the cells</source>
        <translation>Nothing between the cells</translation>
    </message>
    <message id="LSMergeSeparatorBlank">
        <source>A blank between the cells</source>
        <translation>A blank between the cells</translation>
    </message>
    <message id="LSMergeSeparatorText">
        <source>This text between the cells:</source>
        <translation>This text between the cells:</translation>
    </message>
    <message id="LSMergeRemoveSources">
        <source>Remove the other merged columns</source>
        <translation>Remove the other merged columns</translation>
    </message>
    <message id="LSAExportWriteFailed">
        <source>The file could not be written: %1</source>
        <translation>The file could not be written: %1</translation>
    </message>
    <message id="LSAExportUnrepresentableCharacter">
        <source>Row %1, column %2 holds the character “%3” (U+%4), which the encoding %5 cannot hold. Choose an encoding that can, such as Unicode (UTF-8), or change the text.</source>
        <translation>Row %1, column %2 holds the character “%3” (U+%4), which the encoding %5 cannot hold. Choose an encoding that can, such as Unicode (UTF-8), or change the text.</translation>
    </message>
    <message id="LSAExportUnrepresentableTitle">
        <source>The title of column %1 holds the character “%2” (U+%3), which the encoding %4 cannot hold. Choose an encoding that can, such as Unicode (UTF-8), or change the title.</source>
        <translation>The title of column %1 holds the character “%2” (U+%3), which the encoding %4 cannot hold. Choose an encoding that can, such as Unicode (UTF-8), or change the title.</translation>
    </message>
    <message id="LSAExportUnrepresentableText">
        <source>Some of the text cannot be held by the encoding %1.</source>
        <translation>Some of the text cannot be held by the encoding %1.</translation>
    </message>
    <message id="LSAExportUnknownEncoding">
        <source>The encoding %1 is not available.</source>
        <translation>The encoding %1 is not available.</translation>
    </message>
    <message id="LSAExportCancelled">
        <source>Writing was cancelled.</source>
        <translation>Writing was cancelled.</translation>
    </message>
    <message id="LSCSVParserUnableToOpenFile">
        <source>Unable to open file for reading</source>
        <translation>Unable to open file for reading</translation>
    </message>
    <message id="LSCSVParserUnableToReadStream">
        <source>Unable to read from input stream</source>
        <translation>Unable to read from input stream</translation>
    </message>
    <message id="LSCSVParserUnableToInterpretChunk">
        <source>unable to interpret current chunk as a string</source>
        <translation>unable to interpret current chunk as a string</translation>
    </message>
    <message id="LSCSVParserUnableToEncodeString">
        <source>The text cannot be written in the chosen encoding</source>
        <translation>The text cannot be written in the chosen encoding</translation>
    </message>
    <message id="LSUndefinedContent">
        <source>—</source>
        <translation>—</translation>
    </message>
    <message id="LSUDDataEdited">
        <source>Edit Cell</source>
        <translation>Edit Cell</translation>
    </message>
    <message id="LSUDColumnMoved">
        <source>Move Column</source>
        <translation>Move Column</translation>
    </message>
    <message id="LSADataErrorTitle">
        <source>The rows of this file differ in length</source>
        <translation>The rows of this file differ in length</translation>
    </message>
    <message id="LSADataErrorMsg">
        <source>Some rows have fewer cells than others. Fix them by adding empty cells at their ends, or open the file read-only to keep it exactly as it is.</source>
        <translation>Some rows have fewer cells than others. Fix them by adding empty cells at their ends, or open the file read-only to keep it exactly as it is.</translation>
    </message>
    <message id="LSAOpenFixIt">
        <source>Add Empty Cells</source>
        <translation>Add Empty Cells</translation>
    </message>
    <message id="LSAOpenReadOnly">
        <source>Open Read-Only</source>
        <translation>Open Read-Only</translation>
    </message>
    <message id="LSAEmptyFileTitle">
        <source>This file is empty</source>
        <translation>This file is empty</translation>
    </message>
    <message id="LSAEmptyFileMsg">
        <source>It holds no rows. Edit it to add rows and columns, or open it read-only to leave it as it is.</source>
        <translation>It holds no rows. Edit it to add rows and columns, or open it read-only to leave it as it is.</translation>
    </message>
    <message id="LSAEmptyFileEdit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="LSAInsertDataErrorTitle">
        <source>The rows of this document now differ in length</source>
        <translation>The rows of this document now differ in length</translation>
    </message>
    <message id="LSAInsertDataErrorMsg">
        <source>With the inserted file, some rows have fewer cells than others. Fix them by adding empty cells at their ends, or make this document read-only to keep its rows as they are.</source>
        <translation>With the inserted file, some rows have fewer cells than others. Fix them by adding empty cells at their ends, or make this document read-only to keep its rows as they are.</translation>
    </message>
    <message id="LSAMakeReadOnly">
        <source>Make Read-Only</source>
        <translation>Make Read-Only</translation>
    </message>
    <message id="LSReadOpenFailed">
        <source>The file “%1” could not be opened: %2</source>
        <translation>The file “%1” could not be opened: %2</translation>
    </message>
    <message id="LSReadFailed">
        <source>Reading “%1” stopped at line %2 (byte %3): %4. %5 could be read. The document is read-only so that saving cannot overwrite the rest of the file.</source>
        <translation>Reading “%1” stopped at line %2 (byte %3): %4. %5 could be read. The document is read-only so that saving cannot overwrite the rest of the file.</translation>
    </message>
    <message id="LSReadRowCount" numerus="yes">
        <source>%Ln rows</source>
        <translation>
            <numerusform>%Ln row</numerusform>
            <numerusform>%Ln rows</numerusform>
        </translation>
    </message>
    <message id="LSReadIsAFolder">
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message id="LSReadNotRegularFile">
        <source>it is not a regular file but a named pipe, a device or a socket, which may never end</source>
        <translation>it is not a regular file but a named pipe, a device or a socket, which may never end</translation>
    </message>
    <message id="LSReadUndecodable">
        <source>The text of “%1” at line %2 (byte %3) cannot be read as %4, so reading stopped there and %5 could be read. To read the file in the encoding it was written in, choose File &gt; Reopen With Encoding. The document is read-only so that saving cannot overwrite the rest of the file.</source>
        <translation>The text of “%1” at line %2 (byte %3) cannot be read as %4, so reading stopped there and %5 could be read. To read the file in the encoding it was written in, choose File &gt; Reopen With Encoding. The document is read-only so that saving cannot overwrite the rest of the file.</translation>
    </message>
    <message id="LSReadUnclosedQuote">
        <source>A quotation mark in line %2 of “%1” is never closed, so everything after it was read into one cell. The document is read-only so that saving cannot overwrite the file. If the file escapes quotation marks with a backslash, open it again with “Backslash escapes quotation marks and separators” ticked.</source>
        <translation>A quotation mark in line %2 of “%1” is never closed, so everything after it was read into one cell. The document is read-only so that saving cannot overwrite the file. If the file escapes quotation marks with a backslash, open it again with “Backslash escapes quotation marks and separators” ticked.</translation>
    </message>
    <message id="LSUDRemoveDuplicateRows">
        <source>Remove Duplicate Rows</source>
        <translation>Remove Duplicate Rows</translation>
    </message>
    <message id="LSShowDuplicateRows">
        <source>Show Duplicate Rows</source>
        <translation>Show Duplicate Rows</translation>
    </message>
    <message id="LSDuplicateRowsKeyColumn">
        <source>Rows are the same when they agree in:</source>
        <translation>Rows are the same when they agree in:</translation>
    </message>
    <message id="LSRemoveDuplicateRowsExplanation">
        <source>Of each group of equal rows the first stays; the later ones are removed.</source>
        <translation>Of each group of equal rows the first stays; the later ones are removed.</translation>
    </message>
    <message id="LSShowDuplicateRowsExplanation">
        <source>Every row that occurs more than once is shown, each group together.</source>
        <translation>Every row that occurs more than once is shown, each group together.</translation>
    </message>
    <message id="LSRemove">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="LSShow">
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message id="LSARemoveDuplicateRowsTitle">
        <source>Remove Duplicate Rows</source>
        <translation>Remove Duplicate Rows</translation>
    </message>
    <message id="LSARemoveDuplicateRows" numerus="yes">
        <source>%Ln duplicate rows were removed. You can bring them back with Undo.</source>
        <translation>
            <numerusform>%Ln duplicate row was removed. You can bring it back with Undo.</numerusform>
            <numerusform>%Ln duplicate rows were removed. You can bring them back with Undo.</numerusform>
        </translation>
    </message>
    <message id="LSARemoveDuplicateRowsNotFound">
        <source>No duplicate rows were found.</source>
        <translation>No duplicate rows were found.</translation>
    </message>
    <message id="LSAShowDuplicateRowsTitle">
        <source>Show Duplicate Rows</source>
        <translation>Show Duplicate Rows</translation>
    </message>
    <message id="LSDuplicateRowsBarText">
        <source>Showing the duplicate rows. Rows you remove here leave the table too.</source>
        <translation>Showing the duplicate rows. Rows you remove here leave the table too.</translation>
    </message>
    <message id="LSEndShowDuplicateRows">
        <source>Show All Rows</source>
        <translation>Show All Rows</translation>
    </message>
    <message id="Automatic">
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message id="Customize Encodings List…">
        <source>Customize Encodings List…</source>
        <translation>Customize Encodings List…</translation>
    </message>
    <message id="LSEncodingsPanelTitle">
        <source>Text Encodings</source>
        <translation>Text Encodings</translation>
    </message>
    <message id="LSEncodingsPanelExplanation">
        <source>Tick the encodings to offer in the encoding menus.</source>
        <translation>Tick the encodings to offer in the encoding menus.</translation>
    </message>
    <message id="LSEncodingsClearAll">
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message id="LSEncodingsSelectAll">
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message id="LSEncodingsRevertToDefault">
        <source>Revert to Default</source>
        <translation>Revert to Default</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH_TITLE">
        <source>Tabwright quit unexpectedly</source>
        <translation>Tabwright quit unexpectedly</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH">
        <source>%1 quit unexpectedly the last time it ran, and left a crash report. Do you want to send it to the developers? You can read it, add what you were doing and remove anything private before it goes.</source>
        <translation>%1 quit unexpectedly the last time it ran, and left a crash report. Do you want to send it to the developers? You can read it, add what you were doing and remove anything private before it goes.</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH_SEND">
        <source>Send Report…</source>
        <translation>Send Report…</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH_DONT_SEND">
        <source>Don’t Send</source>
        <translation>Don’t Send</translation>
    </message>
    <message id="LSCrashReportOffer">
        <source>%1 quit unexpectedly the last time it ran, and left a crash report. Do you want to see it? You can copy it or save it, and send it to the developers yourself.</source>
        <translation>%1 quit unexpectedly the last time it ran, and left a crash report. Do you want to see it? You can copy it or save it, and send it to the developers yourself.</translation>
    </message>
    <message id="LSCrashReportShow">
        <source>Show Report…</source>
        <translation>Show Report…</translation>
    </message>
    <message id="LSCrashReportIgnore">
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message id="LSCrashReportUnreadable">
        <source>*** Couldn&apos;t read Report ***</source>
        <translation>*** Couldn&apos;t read Report ***</translation>
    </message>
    <message id="LSCrashReporterTitle">
        <source>Crash Report</source>
        <translation>Crash Report</translation>
    </message>
    <message id="LSCrashReporterIntro">
        <source>This report tells the developers where the program stopped. The log of the program follows it.</source>
        <translation>This report tells the developers where the program stopped. The log of the program follows it.</translation>
    </message>
    <message id="LSCrashReporterDescribe">
        <source>What were you doing when the program quit? (optional)</source>
        <translation>What were you doing when the program quit? (optional)</translation>
    </message>
    <message id="LSCrashReporterSend">
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message id="LSCrashReporterCopy">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="LSCrashReporterSave">
        <source>Save…</source>
        <translation>Save…</translation>
    </message>
    <message id="LSCrashReporterClose">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="LSCrashReporterSaveTitle">
        <source>Save Crash Report</source>
        <translation>Save Crash Report</translation>
    </message>
    <message id="LSCrashReporterSaveFailed">
        <source>The report could not be saved to “%1”: %2</source>
        <translation>The report could not be saved to “%1”: %2</translation>
    </message>
    <message id="LSCrashReporterSendFailed">
        <source>The report could not be sent: %1. Try again later, or copy or save it.</source>
        <translation>The report could not be sent: %1. Try again later, or copy or save it.</translation>
    </message>
    <message id="LSSending">
        <source>Sending…</source>
        <translation>Sending…</translation>
    </message>
    <message id="FEEDBACK_SUCCESS_TITLE">
        <source>Thank you</source>
        <translation>Thank you</translation>
    </message>
    <message id="FEEDBACK_SUCCESS_MESSAGE">
        <source>Your message was sent.</source>
        <translation>Your message was sent.</translation>
    </message>
    <message id="FEEDBACK_ERROR_TITLE">
        <source>Your message could not be sent</source>
        <translation>Your message could not be sent</translation>
    </message>
    <message id="FEEDBACK_ERROR_MESSAGE">
        <source>%1.
Your message is still here: try again later.</source>
        <translation>%1.
Your message is still here: try again later.</translation>
    </message>
    <message id="FEEDBACK_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_QUESTION">
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_PROBLEM">
        <source>Problem report</source>
        <translation>Problem report</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_SUGGESTION">
        <source>Suggestion</source>
        <translation>Suggestion</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_PRAISE">
        <source>Praise</source>
        <translation>Praise</translation>
    </message>
    <message id="LSFeedbackTitle">
        <source>Send Feedback</source>
        <translation>Send Feedback</translation>
    </message>
    <message id="LSFeedbackSubject">
        <source>Subject:</source>
        <translation>Subject:</translation>
    </message>
    <message id="LSFeedbackFrom">
        <source>Your e-mail address:</source>
        <translation>Your e-mail address:</translation>
    </message>
    <message id="LSFeedbackMessage">
        <source>Message:</source>
        <translation>Message:</translation>
    </message>
    <message id="LSFeedbackSendMeACopy">
        <source>Send me a copy</source>
        <translation>Send me a copy</translation>
    </message>
    <message id="LSFeedbackWebPage">
        <source>Visit the Web Page</source>
        <translation>Visit the Web Page</translation>
    </message>
    <message id="LSFeedbackSend">
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message id="LSFeedbackCancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="LSRecoveryTitle">
        <source>Recover unsaved changes?</source>
        <translation>Recover unsaved changes?</translation>
    </message>
    <message id="LSRecoveryMessage">
        <source>Tabwright did not quit normally the last time it ran. The unsaved changes of these documents were kept:</source>
        <translation>Tabwright did not quit normally the last time it ran. The unsaved changes of these documents were kept:</translation>
    </message>
    <message id="LSRecoveryInformative">
        <source>Recovered documents open with their changes unsaved; nothing is written to your files until you save them.</source>
        <translation>Recovered documents open with their changes unsaved; nothing is written to your files until you save them.</translation>
    </message>
    <message id="LSRecoveryRecover">
        <source>Recover</source>
        <translation>Recover</translation>
    </message>
    <message id="LSRecoveryDiscard">
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message id="LSRecoveryEntry">
        <source>%1 (changed %2)</source>
        <translation>%1 (changed %2)</translation>
    </message>
    <message id="LSRecoveryEntryWithPath">
        <source>%1 in %2 (changed %3)</source>
        <translation>%1 in %2 (changed %3)</translation>
    </message>
    <message id="LSRecoveryUnreadable">
        <source>The recovery copy “%1” could not be read or written: %2</source>
        <translation>The recovery copy “%1” could not be read or written: %2</translation>
    </message>
    <message id="LSRecoveryNotACopy">
        <source>it is not a recovery copy of this program</source>
        <translation>it is not a recovery copy of this program</translation>
    </message>
    <message id="LSRecoveryTruncated">
        <source>the copy is incomplete</source>
        <translation>the copy is incomplete</translation>
    </message>
    <message id="LSno">
        <source>No</source>
        <translation>No</translation>
    </message>
    <message id="LSyes">
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message id="LSOK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="LSDontAskAgain">
        <source>Do not ask again</source>
        <translation>Do not ask again</translation>
    </message>
    <message id="LSASaveFailed">
        <source>The file “%1” could not be saved: %2</source>
        <translation>The file “%1” could not be saved: %2</translation>
    </message>
    <message id="LSASaveFailedTitle">
        <source>The document could not be saved</source>
        <translation>The document could not be saved</translation>
    </message>
    <message id="LSASaveNotRegularFile">
        <source>it is not a regular file (a named pipe, a device or a socket), and saving would replace it by one</source>
        <translation>it is not a regular file (a named pipe, a device or a socket), and saving would replace it by one</translation>
    </message>
    <message id="LSASaveFolderNotWritable">
        <source>the folder “%1” cannot be written to (%2). Save the document in another folder</source>
        <translation>the folder “%1” cannot be written to (%2). Save the document in another folder</translation>
    </message>
    <message id="LSASaveInPlaceFailed">
        <source>overwriting it failed part way (%1). The complete new contents are in “%2”</source>
        <translation>overwriting it failed part way (%1). The complete new contents are in “%2”</translation>
    </message>
    <message id="LSSavePanelTitle">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="LSSavePanelTables">
        <source>CSV files (*.csv *.txt *.tsv *.tab)</source>
        <translation>CSV files (*.csv *.txt *.tsv *.tab)</translation>
    </message>
    <message id="LSSavePanelAllFiles">
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message id="LSPresetEncoding">
        <source>Encoding:</source>
        <translation>Encoding:</translation>
    </message>
    <message id="LSPresetSeparator">
        <source>Separator:</source>
        <translation>Separator:</translation>
    </message>
    <message id="LSPresetLineEnding">
        <source>Line ending:</source>
        <translation>Line ending:</translation>
    </message>
    <message id="LSPresetFirstRowIsHeader">
        <source>First row is header</source>
        <translation>First row is header</translation>
    </message>
    <message id="LSPresetTrimSpaces">
        <source>Trim spaces around fields</source>
        <translation>Trim spaces around fields</translation>
    </message>
    <message id="LSPresetBackslashEscapes">
        <source>Backslash escapes quotation marks and separators</source>
        <translation>Backslash escapes quotation marks and separators</translation>
    </message>
    <message id="LSPresetForceQuotes">
        <source>Put every field in quotation marks</source>
        <translation>Put every field in quotation marks</translation>
    </message>
    <message id="LSSeparatorComma">
        <source>Comma ( , )</source>
        <translation>Comma ( , )</translation>
    </message>
    <message id="LSSeparatorSemicolon">
        <source>Semicolon ( ; )</source>
        <translation>Semicolon ( ; )</translation>
    </message>
    <message id="LSSeparatorTab">
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message id="LSLineEndingCRLF">
        <source>CR LF (Windows)</source>
        <translation>CR LF (Windows)</translation>
    </message>
    <message id="LSLineEndingCR">
        <source>CR (classic Mac OS)</source>
        <translation>CR (classic Mac OS)</translation>
    </message>
    <message id="LSLineEndingLF">
        <source>LF (Linux, macOS)</source>
        <translation>LF (Linux, macOS)</translation>
    </message>
    <message id="LSAssistantTitle">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="LSOpenAssistant">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="LSImportAssistant">
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message id="LSAssistantOpen">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="LSAssistantInsert">
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message id="LSAssistantCancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="LSAssistantUndecodable">
        <source>Part of the text cannot be read in this encoding. Choose the encoding the file was written in.</source>
        <translation>Part of the text cannot be read in this encoding. Choose the encoding the file was written in.</translation>
    </message>
    <message id="GeneralPrefPanelName">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="GeneralPrefToolTip">
        <source>Autosave, launch, sheets and the default font</source>
        <translation>Autosave, launch, sheets and the default font</translation>
    </message>
    <message id="LSPrefsAutoSave">
        <source>Save documents automatically:</source>
        <translation>Save documents automatically:</translation>
    </message>
    <message id="LSPrefsAutoSaveOff">
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message id="LSPrefsAutoSaveMinutes" numerus="yes">
        <source>Every %Ln minutes</source>
        <translation>
            <numerusform>Every %Ln minute</numerusform>
            <numerusform>Every %Ln minutes</numerusform>
        </translation>
    </message>
    <message id="LSPrefsAtLaunch">
        <source>At launch:</source>
        <translation>At launch:</translation>
    </message>
    <message id="LSPrefsOpenEmptyDocument">
        <source>Open an empty document</source>
        <translation>Open an empty document</translation>
    </message>
    <message id="LSPrefsOpenLastEdited">
        <source>Open the document edited last</source>
        <translation>Open the document edited last</translation>
    </message>
    <message id="LSPrefsSheets">
        <source>Dialogs:</source>
        <translation>Dialogs:</translation>
    </message>
    <message id="LSPrefsHighlightSheets">
        <source>Dim the window behind a dialog</source>
        <translation>Dim the window behind a dialog</translation>
    </message>
    <message id="LSPrefsDefaultFont">
        <source>Table font:</source>
        <translation>Table font:</translation>
    </message>
    <message id="LSPrefsChangeFont">
        <source>Change…</source>
        <translation>Change…</translation>
    </message>
    <message id="LSPrefsAlerts">
        <source>Confirmations:</source>
        <translation>Confirmations:</translation>
    </message>
    <message id="LSPrefsResetAlerts">
        <source>Ask Again Before Removing</source>
        <translation>Ask Again Before Removing</translation>
    </message>
    <message id="ZRNMeasurementLibPoint">
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message id="CellColorPrefPanelName">
        <source>Cell Colours</source>
        <translation>Cell Colours</translation>
    </message>
    <message id="CellColorPrefToolTip">
        <source>Colour table cells by their contents</source>
        <translation>Colour table cells by their contents</translation>
    </message>
    <message id="CellColorPrefDrawBackground">
        <source>Colour cell backgrounds</source>
        <translation>Colour cell backgrounds</translation>
    </message>
    <message id="CellColorPrefEmptyColor">
        <source>Empty cells:</source>
        <translation>Empty cells:</translation>
    </message>
    <message id="CellColorPrefOtherColor">
        <source>Cells no rule matches:</source>
        <translation>Cells no rule matches:</translation>
    </message>
    <message id="CellColorPrefActiveColumn">
        <source>On</source>
        <translation>On</translation>
    </message>
    <message id="CellColorPrefNameColumn">
        <source>Rule</source>
        <translation>Rule</translation>
    </message>
    <message id="CellColorPrefColorColumn">
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message id="CellColorPrefAddRuleToolTip">
        <source>Add a rule</source>
        <translation>Add a rule</translation>
    </message>
    <message id="CellColorPrefRemoveRuleToolTip">
        <source>Remove the selected rules</source>
        <translation>Remove the selected rules</translation>
    </message>
    <message id="CellColorPrefAddNewRule">
        <source>New Colouring Rule</source>
        <translation>New Colouring Rule</translation>
    </message>
    <message id="CellColorPrefNewRule">
        <source>New rule</source>
        <translation>New rule</translation>
    </message>
    <message id="CellColorPrefEditRule">
        <source>Edit Colouring Rule</source>
        <translation>Edit Colouring Rule</translation>
    </message>
    <message id="CellColorPrefRuleName">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="CellColorPrefMatchText">
        <source>Cells containing:</source>
        <translation>Cells containing:</translation>
    </message>
    <message id="CellColorPrefUseRegex">
        <source>Regular expression</source>
        <translation>Regular expression</translation>
    </message>
    <message id="CellColorPrefIgnoreCase">
        <source>Ignore letter case</source>
        <translation>Ignore letter case</translation>
    </message>
    <message id="CellColorPrefRuleColor">
        <source>Colour:</source>
        <translation>Colour:</translation>
    </message>
    <message id="CellColorPrefRemoveRuleEntryTitle">
        <source>Remove the selected colouring rules?</source>
        <translation>Remove the selected colouring rules?</translation>
    </message>
    <message id="CellColorPrefRemoveRuleEntry">
        <source>Cells they colour will no longer be coloured by them. This cannot be undone.</source>
        <translation>Cells they colour will no longer be coloured by them. This cannot be undone.</translation>
    </message>
    <message id="DefaultTitle">
        <source>Working</source>
        <translation>Working</translation>
    </message>
    <message id="LSReadingFile">
        <source>Reading “%1”</source>
        <translation>Reading “%1”</translation>
    </message>
    <message id="LSSavingFile">
        <source>Saving “%1”</source>
        <translation>Saving “%1”</translation>
    </message>
    <message id="LSRMIntegralNumber">
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message id="LSRMRomanNumerals">
        <source>Roman numeral</source>
        <translation>Roman numeral</translation>
    </message>
    <message id="LSRMEMailAddress">
        <source>E-mail address</source>
        <translation>E-mail address</translation>
    </message>
    <message id="LSRMInternetAddress">
        <source>Internet address</source>
        <translation>Internet address</translation>
    </message>
    <message id="LSRMInvalidExpression">
        <source>This regular expression is not valid (%1, at character %2): it colours no cell.</source>
        <translation>This regular expression is not valid (%1, at character %2): it colours no cell.</translation>
    </message>
    <message id="LSAllColumns">
        <source>All Columns</source>
        <translation>All Columns</translation>
    </message>
    <message id="LSColumn">
        <source>Column “%1”</source>
        <translation>Column “%1”</translation>
    </message>
    <message id="LSUDDataReplaced">
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message id="LSFindTitle">
        <source>Find and Replace</source>
        <translation>Find and Replace</translation>
    </message>
    <message id="LSFindSearchFor">
        <source>Find:</source>
        <translation>Find:</translation>
    </message>
    <message id="LSFindReplaceWith">
        <source>Replace with:</source>
        <translation>Replace with:</translation>
    </message>
    <message id="LSFindInColumn">
        <source>In:</source>
        <translation>In:</translation>
    </message>
    <message id="LSFindIgnoreCase">
        <source>Ignore case</source>
        <translation>Ignore case</translation>
    </message>
    <message id="LSFindUseRegex">
        <source>Regular expression</source>
        <translation>Regular expression</translation>
    </message>
    <message id="LSFindSelectedRowsOnly">
        <source>Selected rows only</source>
        <translation>Selected rows only</translation>
    </message>
    <message id="LSFindClose">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="LSFindSelectAll">
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message id="LSFindReplaceAll">
        <source>Replace All</source>
        <translation>Replace All</translation>
    </message>
    <message id="LSFindFind">
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message id="LSFindInvalidRegex">
        <source>This is not a valid regular expression (%1 at character %2).</source>
        <translation>This is not a valid regular expression (%1 at character %2).</translation>
    </message>
    <message id="LSSearchColumnsToolTip">
        <source>Choose the columns to search</source>
        <translation>Choose the columns to search</translation>
    </message>
    <message id="LSSearchMenuMoreColumns" numerus="yes">
        <source>The last %Ln columns are not listed</source>
        <translation>
            <numerusform>The last %Ln column is not listed</numerusform>
            <numerusform>The last %Ln columns are not listed</numerusform>
        </translation>
    </message>
    <message id="LSToolbarName">
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message id="LSAddRow">
        <source>Add Row</source>
        <translation>Add Row</translation>
    </message>
    <message id="LSAddRowToolTip">
        <source>Add an empty row at the end</source>
        <translation>Add an empty row at the end</translation>
    </message>
    <message id="LSAddColumn">
        <source>Add Column</source>
        <translation>Add Column</translation>
    </message>
    <message id="LSAddColumnToolTip">
        <source>Add an empty column at the right</source>
        <translation>Add an empty column at the right</translation>
    </message>
    <message id="LSRemoveRow">
        <source>Remove Row</source>
        <translation>Remove Row</translation>
    </message>
    <message id="LSRemoveRowToolTip">
        <source>Remove the selected rows</source>
        <translation>Remove the selected rows</translation>
    </message>
    <message id="LSRemoveColumn">
        <source>Remove Column</source>
        <translation>Remove Column</translation>
    </message>
    <message id="LSRemoveColumnToolTip">
        <source>Remove the selected columns</source>
        <translation>Remove the selected columns</translation>
    </message>
    <message id="LSShowFonts">
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message id="LSShowFontsToolTip">
        <source>Choose the font of the table</source>
        <translation>Choose the font of the table</translation>
    </message>
    <message id="LSSearchFilter">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="LSSearchFilterToolTip">
        <source>Show only the rows that contain this text</source>
        <translation>Show only the rows that contain this text</translation>
    </message>
    <message id="LSReadOnlyTitleSuffix">
        <source> (read-only)</source>
        <translation> (read-only)</translation>
    </message>
    <message id="LSReadFailedTitle">
        <source>The file could not be read to the end</source>
        <translation>The file could not be read to the end</translation>
    </message>
    <message id="LSARevertTitle">
        <source>Revert “%1” to the saved file?</source>
        <translation>Revert “%1” to the saved file?</translation>
    </message>
    <message id="LSARevertMsg">
        <source>Your unsaved changes will be lost: the rows are read again from the file.</source>
        <translation>Your unsaved changes will be lost: the rows are read again from the file.</translation>
    </message>
    <message id="LSAReopenDiscardsTitle">
        <source>Reopen the file in another encoding?</source>
        <translation>Reopen the file in another encoding?</translation>
    </message>
    <message id="LSAReopenDiscardsMsg">
        <source>The document has unsaved changes. Reading the file again replaces its rows, and the changes are lost.</source>
        <translation>The document has unsaved changes. Reading the file again replaces its rows, and the changes are lost.</translation>
    </message>
    <message id="LSNumberOfSelectedRow" numerus="yes">
        <source>%Ln rows selected,</source>
        <translation>
            <numerusform>%Ln row selected,</numerusform>
            <numerusform>%Ln rows selected,</numerusform>
        </translation>
    </message>
    <message id="LSRows" numerus="yes">
        <source>%Ln rows</source>
        <translation>
            <numerusform>%Ln row</numerusform>
            <numerusform>%Ln rows</numerusform>
        </translation>
    </message>
    <message id="LSRowsFiltered">
        <source>%1 of %2 rows</source>
        <translation>%1 of %2 rows</translation>
    </message>
    <message id="LSCTMRemove">
        <source>Remove Column</source>
        <translation>Remove Column</translation>
    </message>
    <message id="LSCTMEditTitle">
        <source>Edit Title…</source>
        <translation>Edit Title…</translation>
    </message>
    <message id="LSCTMAlignment">
        <source>Alignment</source>
        <translation>Alignment</translation>
    </message>
    <message id="LSCTMLeft">
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message id="LSCTMCenter">
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message id="LSCTMRight">
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message id="LSCTMConvertTo">
        <source>Convert To</source>
        <translation>Convert To</translation>
    </message>
    <message id="LSCTMConvertUppercase">
        <source>Upper Case</source>
        <translation>Upper Case</translation>
    </message>
    <message id="LSCTMConvertLowercase">
        <source>Lower Case</source>
        <translation>Lower Case</translation>
    </message>
    <message id="LSCTMConvertCapitalize">
        <source>Capitalized</source>
        <translation>Capitalized</translation>
    </message>
    <message id="LSCTMConvertTrimSpaces">
        <source>Without Leading and Trailing Spaces</source>
        <translation>Without Leading and Trailing Spaces</translation>
    </message>
    <message id="LSCTMFill">
        <source>Fill…</source>
        <translation>Fill…</translation>
    </message>
    <message id="LSCTMEmpty">
        <source>Empty Cells</source>
        <translation>Empty Cells</translation>
    </message>
    <message id="LSCTMAdjustColumn">
        <source>Fit Width to Content</source>
        <translation>Fit Width to Content</translation>
    </message>
    <message id="LSMenuFile">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="LSMenuNew">
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message id="LSMenuOpen">
        <source>&amp;Open…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message id="LSMenuOpenRecent">
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message id="LSMenuClearRecent">
        <source>Clear Menu</source>
        <translation>Clear Menu</translation>
    </message>
    <message id="LSMenuClose">
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="LSMenuSave">
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message id="LSMenuSaveAs">
        <source>Save &amp;As…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message id="LSMenuRevert">
        <source>Re&amp;vert to Saved</source>
        <translation>Re&amp;vert to Saved</translation>
    </message>
    <message id="LSMenuReopenWithEncoding">
        <source>Reopen With &amp;Encoding</source>
        <translation>Reopen With &amp;Encoding</translation>
    </message>
    <message id="LSMenuInsertFile">
        <source>&amp;Insert File…</source>
        <translation>&amp;Insert File…</translation>
    </message>
    <message id="LSMenuNewFromSelection">
        <source>New From Se&amp;lection</source>
        <translation>New From Se&amp;lection</translation>
    </message>
    <message id="LSMenuNewFromClipboard">
        <source>New From Clip&amp;board</source>
        <translation>New From Clip&amp;board</translation>
    </message>
    <message id="LSMenuQuit">
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message id="LSMenuEdit">
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message id="LSMenuUndo">
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message id="LSMenuUndoStep">
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message id="LSMenuRedo">
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message id="LSMenuRedoStep">
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message id="LSMenuCut">
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message id="LSMenuCopy">
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message id="LSMenuPaste">
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message id="LSMenuEmptyCells">
        <source>&amp;Empty Cells</source>
        <translation>&amp;Empty Cells</translation>
    </message>
    <message id="LSLongCellPart">
        <source>Part %1 of %2</source>
        <translation>Part %1 of %2</translation>
    </message>
    <message id="LSMenuSelectAll">
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message id="LSMenuInvertSelection">
        <source>&amp;Invert Selection</source>
        <translation>&amp;Invert Selection</translation>
    </message>
    <message id="LSMenuDeselectAll">
        <source>&amp;Deselect All</source>
        <translation>&amp;Deselect All</translation>
    </message>
    <message id="LSMenuFind">
        <source>&amp;Find…</source>
        <translation>&amp;Find…</translation>
    </message>
    <message id="LSMenuFindNext">
        <source>Find &amp;Next</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message id="LSMenuReplace">
        <source>R&amp;eplace</source>
        <translation>R&amp;eplace</translation>
    </message>
    <message id="LSMenuReplaceAndFindNext">
        <source>Replace and Find Ne&amp;xt</source>
        <translation>Replace and Find Ne&amp;xt</translation>
    </message>
    <message id="LSMenuPreferences">
        <source>Pr&amp;eferences…</source>
        <translation>Pr&amp;eferences…</translation>
    </message>
    <message id="LSMenuTable">
        <source>&amp;Table</source>
        <translation>&amp;Table</translation>
    </message>
    <message id="LSMenuAddRow">
        <source>Add &amp;Row</source>
        <translation>Add &amp;Row</translation>
    </message>
    <message id="LSMenuInsertRows">
        <source>&amp;Insert Rows…</source>
        <translation>&amp;Insert Rows…</translation>
    </message>
    <message id="LSMenuRemoveRows">
        <source>Remove R&amp;ows</source>
        <translation>Remove R&amp;ows</translation>
    </message>
    <message id="LSMenuSelectedRowIsHeader">
        <source>Use Selected Row as &amp;Titles</source>
        <translation>Use Selected Row as &amp;Titles</translation>
    </message>
    <message id="LSMenuAddColumn">
        <source>Add &amp;Column</source>
        <translation>Add &amp;Column</translation>
    </message>
    <message id="LSMenuInsertColumns">
        <source>Insert Col&amp;umns…</source>
        <translation>Insert Col&amp;umns…</translation>
    </message>
    <message id="LSMenuRemoveColumns">
        <source>Remove Colu&amp;mns</source>
        <translation>Remove Colu&amp;mns</translation>
    </message>
    <message id="LSMenuEditColumnTitle">
        <source>Edit Column &amp;Title…</source>
        <translation>Edit Column &amp;Title…</translation>
    </message>
    <message id="LSMenuFillColumns">
        <source>&amp;Fill Columns…</source>
        <translation>&amp;Fill Columns…</translation>
    </message>
    <message id="LSMenuMergeColumns">
        <source>&amp;Merge Columns…</source>
        <translation>&amp;Merge Columns…</translation>
    </message>
    <message id="LSMenuSortRows">
        <source>&amp;Sort Rows…</source>
        <translation>&amp;Sort Rows…</translation>
    </message>
    <message id="LSMenuShiftContent">
        <source>S&amp;hift Cells</source>
        <translation>S&amp;hift Cells</translation>
    </message>
    <message id="LSMenuRotateContent">
        <source>Ro&amp;tate Cells</source>
        <translation>Ro&amp;tate Cells</translation>
    </message>
    <message id="LSMenuLeft">
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message id="LSMenuRight">
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message id="LSMenuShowDuplicateRows">
        <source>Show &amp;Duplicate Rows…</source>
        <translation>Show &amp;Duplicate Rows…</translation>
    </message>
    <message id="LSMenuRemoveDuplicateRows">
        <source>Remove Duplicate Ro&amp;ws…</source>
        <translation>Remove Duplicate Ro&amp;ws…</translation>
    </message>
    <message id="LSMenuView">
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message id="LSMenuShowFonts">
        <source>Show &amp;Fonts</source>
        <translation>Show &amp;Fonts</translation>
    </message>
    <message id="LSMenuAdjustSelectedWidths">
        <source>Fit &amp;Selected Columns to Content</source>
        <translation>Fit &amp;Selected Columns to Content</translation>
    </message>
    <message id="LSMenuAdjustAllWidths">
        <source>Fit &amp;All Columns to Content</source>
        <translation>Fit &amp;All Columns to Content</translation>
    </message>
    <message id="LSMenuWindow">
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message id="LSMenuMinimize">
        <source>&amp;Minimize</source>
        <translation>&amp;Minimize</translation>
    </message>
    <message id="LSMenuHelp">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="LSMenuSendFeedback">
        <source>Send &amp;Feedback…</source>
        <translation>Send &amp;Feedback…</translation>
    </message>
    <message id="LSMenuAbout">
        <source>&amp;About Tabwright</source>
        <translation>&amp;About Tabwright</translation>
    </message>
    <message id="LSEncoding_utf-16">
        <source>Unicode (UTF-16)</source>
        <translation>Unicode (UTF-16)</translation>
    </message>
    <message id="LSEncoding_utf-7">
        <source>Unicode (UTF-7)</source>
        <translation>Unicode (UTF-7)</translation>
    </message>
    <message id="LSEncoding_utf-8">
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message id="LSEncoding_utf-32">
        <source>Unicode (UTF-32)</source>
        <translation>Unicode (UTF-32)</translation>
    </message>
    <message id="LSEncoding_utf-16be">
        <source>Unicode (UTF-16BE)</source>
        <translation>Unicode (UTF-16BE)</translation>
    </message>
    <message id="LSEncoding_utf-16le">
        <source>Unicode (UTF-16LE)</source>
        <translation>Unicode (UTF-16LE)</translation>
    </message>
    <message id="LSEncoding_utf-32be">
        <source>Unicode (UTF-32BE)</source>
        <translation>Unicode (UTF-32BE)</translation>
    </message>
    <message id="LSEncoding_utf-32le">
        <source>Unicode (UTF-32LE)</source>
        <translation>Unicode (UTF-32LE)</translation>
    </message>
    <message id="LSEncoding_macintosh">
        <source>Western (Mac OS Roman)</source>
        <translation>Western (Mac OS Roman)</translation>
    </message>
    <message id="LSEncoding_iso-8859-1">
        <source>Western (ISO Latin 1)</source>
        <translation>Western (ISO Latin 1)</translation>
    </message>
    <message id="LSEncoding_iso-8859-3">
        <source>Western (ISO Latin 3)</source>
        <translation>Western (ISO Latin 3)</translation>
    </message>
    <message id="LSEncoding_iso-8859-10">
        <source>Nordic (ISO Latin 6)</source>
        <translation>Nordic (ISO Latin 6)</translation>
    </message>
    <message id="LSEncoding_iso-8859-15">
        <source>Western (ISO Latin 9)</source>
        <translation>Western (ISO Latin 9)</translation>
    </message>
    <message id="LSEncoding_cp437">
        <source>Latin-US (DOS)</source>
        <translation>Latin-US (DOS)</translation>
    </message>
    <message id="LSEncoding_cp850">
        <source>Western (DOS Latin 1)</source>
        <translation>Western (DOS Latin 1)</translation>
    </message>
    <message id="LSEncoding_cp860">
        <source>Portuguese (DOS)</source>
        <translation>Portuguese (DOS)</translation>
    </message>
    <message id="LSEncoding_cp863">
        <source>Canadian French (DOS)</source>
        <translation>Canadian French (DOS)</translation>
    </message>
    <message id="LSEncoding_cp865">
        <source>Nordic (DOS)</source>
        <translation>Nordic (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1252">
        <source>Western (Windows Latin 1)</source>
        <translation>Western (Windows Latin 1)</translation>
    </message>
    <message id="LSEncoding_us-ascii">
        <source>Western (ASCII)</source>
        <translation>Western (ASCII)</translation>
    </message>
    <message id="LSEncoding_ibm037">
        <source>Western (EBCDIC Latin 1)</source>
        <translation>Western (EBCDIC Latin 1)</translation>
    </message>
    <message id="LSEncoding_windows-31j">
        <source>Japanese (Windows, DOS)</source>
        <translation>Japanese (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_iso-2022-jp">
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japanese (ISO 2022-JP)</translation>
    </message>
    <message id="LSEncoding_iso-2022-jp-2">
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>Japanese (ISO 2022-JP-2)</translation>
    </message>
    <message id="LSEncoding_iso-2022-jp-1">
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>Japanese (ISO 2022-JP-1)</translation>
    </message>
    <message id="LSEncoding_euc-jp">
        <source>Japanese (EUC)</source>
        <translation>Japanese (EUC)</translation>
    </message>
    <message id="LSEncoding_shift_jis">
        <source>Japanese (Shift JIS)</source>
        <translation>Japanese (Shift JIS)</translation>
    </message>
    <message id="LSEncoding_cp950">
        <source>Traditional Chinese (Windows, DOS)</source>
        <translation>Traditional Chinese (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_euc-tw">
        <source>Traditional Chinese (EUC)</source>
        <translation>Traditional Chinese (EUC)</translation>
    </message>
    <message id="LSEncoding_big5">
        <source>Traditional Chinese (Big 5)</source>
        <translation>Traditional Chinese (Big 5)</translation>
    </message>
    <message id="LSEncoding_big5-hkscs">
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>Traditional Chinese (Big 5 HKSCS)</translation>
    </message>
    <message id="LSEncoding_cp949">
        <source>Korean (Windows, DOS)</source>
        <translation>Korean (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_iso-2022-kr">
        <source>Korean (ISO 2022-KR)</source>
        <translation>Korean (ISO 2022-KR)</translation>
    </message>
    <message id="LSEncoding_euc-kr">
        <source>Korean (EUC)</source>
        <translation>Korean (EUC)</translation>
    </message>
    <message id="LSEncoding_iso-8859-6">
        <source>Arabic (ISO 8859-6)</source>
        <translation>Arabic (ISO 8859-6)</translation>
    </message>
    <message id="LSEncoding_cp864">
        <source>Arabic (DOS)</source>
        <translation>Arabic (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1256">
        <source>Arabic (Windows)</source>
        <translation>Arabic (Windows)</translation>
    </message>
    <message id="LSEncoding_iso-8859-8">
        <source>Hebrew (ISO 8859-8)</source>
        <translation>Hebrew (ISO 8859-8)</translation>
    </message>
    <message id="LSEncoding_cp862">
        <source>Hebrew (DOS)</source>
        <translation>Hebrew (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1255">
        <source>Hebrew (Windows)</source>
        <translation>Hebrew (Windows)</translation>
    </message>
    <message id="LSEncoding_x-mac-greek">
        <source>Greek (Mac OS)</source>
        <translation>Greek (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-7">
        <source>Greek (ISO 8859-7)</source>
        <translation>Greek (ISO 8859-7)</translation>
    </message>
    <message id="LSEncoding_cp737">
        <source>Greek (DOS)</source>
        <translation>Greek (DOS)</translation>
    </message>
    <message id="LSEncoding_cp851">
        <source>Greek (DOS Greek 1)</source>
        <translation>Greek (DOS Greek 1)</translation>
    </message>
    <message id="LSEncoding_cp869">
        <source>Greek (DOS Greek 2)</source>
        <translation>Greek (DOS Greek 2)</translation>
    </message>
    <message id="LSEncoding_windows-1253">
        <source>Greek (Windows)</source>
        <translation>Greek (Windows)</translation>
    </message>
    <message id="LSEncoding_x-mac-cyrillic">
        <source>Cyrillic (Mac OS)</source>
        <translation>Cyrillic (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-5">
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>Cyrillic (ISO 8859-5)</translation>
    </message>
    <message id="LSEncoding_cp855">
        <source>Cyrillic (DOS)</source>
        <translation>Cyrillic (DOS)</translation>
    </message>
    <message id="LSEncoding_cp866">
        <source>Russian (DOS)</source>
        <translation>Russian (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1251">
        <source>Cyrillic (Windows)</source>
        <translation>Cyrillic (Windows)</translation>
    </message>
    <message id="LSEncoding_koi8-r">
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cyrillic (KOI8-R)</translation>
    </message>
    <message id="LSEncoding_iso-8859-11">
        <source>Thai (ISO 8859-11)</source>
        <translation>Thai (ISO 8859-11)</translation>
    </message>
    <message id="LSEncoding_windows-874">
        <source>Thai (Windows, DOS)</source>
        <translation>Thai (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_cp936">
        <source>Simplified Chinese (Windows, DOS)</source>
        <translation>Simplified Chinese (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_gbk">
        <source>Simplified Chinese (GBK)</source>
        <translation>Simplified Chinese (GBK)</translation>
    </message>
    <message id="LSEncoding_gb18030">
        <source>Simplified Chinese (GB 18030)</source>
        <translation>Simplified Chinese (GB 18030)</translation>
    </message>
    <message id="LSEncoding_iso-2022-cn">
        <source>Simplified Chinese (ISO 2022-CN)</source>
        <translation>Simplified Chinese (ISO 2022-CN)</translation>
    </message>
    <message id="LSEncoding_iso-2022-cn-ext">
        <source>Simplified Chinese (ISO 2022-CN-EXT)</source>
        <translation>Simplified Chinese (ISO 2022-CN-EXT)</translation>
    </message>
    <message id="LSEncoding_gb2312">
        <source>Simplified Chinese (GB 2312)</source>
        <translation>Simplified Chinese (GB 2312)</translation>
    </message>
    <message id="LSEncoding_hz-gb-2312">
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>Simplified Chinese (HZ GB 2312)</translation>
    </message>
    <message id="LSEncoding_x-mac-ce">
        <source>Central European (Mac OS)</source>
        <translation>Central European (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-2">
        <source>Central European (ISO Latin 2)</source>
        <translation>Central European (ISO Latin 2)</translation>
    </message>
    <message id="LSEncoding_iso-8859-4">
        <source>Central European (ISO Latin 4)</source>
        <translation>Central European (ISO Latin 4)</translation>
    </message>
    <message id="LSEncoding_iso-8859-13">
        <source>Baltic (ISO Latin 7)</source>
        <translation>Baltic (ISO Latin 7)</translation>
    </message>
    <message id="LSEncoding_cp775">
        <source>Baltic (DOS)</source>
        <translation>Baltic (DOS)</translation>
    </message>
    <message id="LSEncoding_cp852">
        <source>Central European (DOS Latin 2)</source>
        <translation>Central European (DOS Latin 2)</translation>
    </message>
    <message id="LSEncoding_windows-1250">
        <source>Central European (Windows Latin 2)</source>
        <translation>Central European (Windows Latin 2)</translation>
    </message>
    <message id="LSEncoding_windows-1257">
        <source>Baltic (Windows)</source>
        <translation>Baltic (Windows)</translation>
    </message>
    <message id="LSEncoding_windows-1258">
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamese (Windows)</translation>
    </message>
    <message id="LSEncoding_x-mac-turkish">
        <source>Turkish (Mac OS)</source>
        <translation>Turkish (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-9">
        <source>Turkish (ISO Latin 5)</source>
        <translation>Turkish (ISO Latin 5)</translation>
    </message>
    <message id="LSEncoding_cp857">
        <source>Turkish (DOS)</source>
        <translation>Turkish (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1254">
        <source>Turkish (Windows Latin 5)</source>
        <translation>Turkish (Windows Latin 5)</translation>
    </message>
    <message id="LSEncoding_cp861">
        <source>Icelandic (DOS)</source>
        <translation>Icelandic (DOS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-14">
        <source>Celtic (ISO Latin 8)</source>
        <translation>Celtic (ISO Latin 8)</translation>
    </message>
    <message id="LSEncoding_koi8-u">
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ukrainian (KOI8-U)</translation>
    </message>
</context>
</TS>

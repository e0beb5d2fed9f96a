<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name></name>
    <message id="LSUntitledDocument">
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message id="LSUntitledDocumentNumbered">
        <source>Untitled %1</source>
        <translation>Unbenannt %1</translation>
    </message>
    <message id="LSOpenPanelTitle">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="LSInsertPanelTitle">
        <source>Insert File</source>
        <translation>Datei einfügen</translation>
    </message>
    <message id="LSOpenPanelTables">
        <source>Text tables (*.csv *.tsv *.tab *.txt)</source>
        <translation>Texttabellen (*.csv *.tsv *.tab *.txt)</translation>
    </message>
    <message id="LSOpenPanelAllFiles">
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message id="LSOpenFailedTitle">
        <source>The file could not be opened</source>
        <translation>Die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message id="LSACloseUnsavedTitle">
        <source>Do you want to save the changes you made to “%1”?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message id="LSACloseUnsavedMsg">
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message id="LSACloseSave">
        <source>Save…</source>
        <translation>Speichern…</translation>
    </message>
    <message id="LSACloseCancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="LSACloseDontSave">
        <source>Don’t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message id="LSFontPanelTitle">
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message id="LSAboutTitle">
        <source>About Tabwright</source>
        <translation>Über Tabwright</translation>
    </message>
    <message id="LSAboutVersion">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="LSAboutSummary">
        <source>An editor for comma-, semicolon- and tab-separated text tables.</source>
        <translation>Ein Editor für Texttabellen, die durch Kommas, Semikolons oder Tabulatoren getrennt sind.</translation>
    </message>
    <message id="LSUDCutRows">
        <source>Cut Rows</source>
        <translation>Zeilen ausschneiden</translation>
    </message>
    <message id="LSUDCutColumns">
        <source>Cut Columns</source>
        <translation>Spalten ausschneiden</translation>
    </message>
    <message id="LSUDPasteRows">
        <source>Paste Rows</source>
        <translation>Zeilen einfügen</translation>
    </message>
    <message id="LSUDPasteColumns">
        <source>Paste Columns</source>
        <translation>Spalten einfügen</translation>
    </message>
    <message id="LSUDRowsMoved">
        <source>Move Rows</source>
        <translation>Zeilen verschieben</translation>
    </message>
    <message id="LSUDAddRow">
        <source>Add Row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message id="LSUDAddColumn">
        <source>Add Column</source>
        <translation>Spalte hinzufügen</translation>
    </message>
    <message id="LSUDRemoveRow">
        <source>Remove Rows</source>
        <translation>Zeilen entfernen</translation>
    </message>
    <message id="LSUDRemoveColumn">
        <source>Remove Columns</source>
        <translation>Spalten entfernen</translation>
    </message>
    <message id="LSUDSelectedRowIsHeader">
        <source>Use Row as Titles</source>
        <translation>Zeile als Titel verwenden</translation>
    </message>
    <message id="LSUDInsertRows">
        <source>Insert Rows</source>
        <translation>Zeilen einfügen</translation>
    </message>
    <message id="LSUDEditColumnTitle">
        <source>Edit Column Title</source>
        <translation>Spaltentitel bearbeiten</translation>
    </message>
    <message id="LSUDUppercaseData">
        <source>Convert to Upper Case</source>
        <translation>In Großbuchstaben umwandeln</translation>
    </message>
    <message id="LSUDLowercaseData">
        <source>Convert to Lower Case</source>
        <translation>In Kleinbuchstaben umwandeln</translation>
    </message>
    <message id="LSUDCapitalizedData">
        <source>Capitalize</source>
        <translation>Anfangsbuchstaben groß schreiben</translation>
    </message>
    <message id="LSUDTrimData">
        <source>Trim Spaces</source>
        <translation>Leerzeichen entfernen</translation>
    </message>
    <message id="LSUDEmptyData">
        <source>Empty Cells</source>
        <translation>Zellen leeren</translation>
    </message>
    <message id="LSUDFillColumn">
        <source>Fill Columns</source>
        <translation>Spalten ausfüllen</translation>
    </message>
    <message id="LSUDSortRows">
        <source>Sort Rows</source>
        <translation>Zeilen sortieren</translation>
    </message>
    <message id="LSUDMergeColumns">
        <source>Merge Columns</source>
        <translation>Spalten zusammenführen</translation>
    </message>
    <message id="LSUDShiftRows">
        <source>Shift Cells</source>
        <translation>Zellen verschieben</translation>
    </message>
    <message id="LSUDRotateRows">
        <source>Rotate Cells</source>
        <translation>Zellen rotieren</translation>
    </message>
    <message id="LSARemoveRowsEntryTitle">
        <source>Remove the selected rows?</source>
        <translation>Die ausgewählten Zeilen entfernen?</translation>
    </message>
    <message id="LSARemoveRowsEntry">
        <source>The rows are removed from the table. You can bring them back with Undo.</source>
        <translation>Die Zeilen werden aus der Tabelle entfernt. Mit „Rückgängig“ können Sie sie zurückholen.</translation>
    </message>
    <message id="LSARemoveColumnsEntryTitle">
        <source>Remove the selected columns?</source>
        <translation>Die ausgewählten Spalten entfernen?</translation>
    </message>
    <message id="LSARemoveColumnsEntry">
        <source>The columns are no longer shown or saved. You can bring them back with Undo.</source>
        <translation>Die Spalten werden nicht mehr angezeigt und nicht mehr gespeichert. Mit „Rückgängig“ können Sie sie zurückholen.</translation>
    </message>
    <message id="LSCancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="LSInsert">
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message id="LSInsertRowsTitle">
        <source>Insert empty rows</source>
        <translation>Leere Zeilen einfügen</translation>
    </message>
    <message id="LSInsertRowsCount">
        <source>Number of rows:</source>
        <translation>Anzahl der Zeilen:</translation>
    </message>
    <message id="LSInsertRowsAtBeginning">
        <source>At the beginning</source>
        <translation>Am Anfang</translation>
    </message>
    <message id="LSInsertRowsAtEnd">
        <source>At the end</source>
        <translation>Am Ende</translation>
    </message>
    <message id="LSInsertRowsBeforeSelection">
        <source>Before the first selected row</source>
        <translation>Vor der ersten ausgewählten Zeile</translation>
    </message>
    <message id="LSInsertColumnsTitle">
        <source>Insert empty columns</source>
        <translation>Leere Spalten einfügen</translation>
    </message>
    <message id="LSInsertColumnsCount">
        <source>Number of columns:</source>
        <translation>Anzahl der Spalten:</translation>
    </message>
    <message id="LSInsertColumnsAtBeginning">
        <source>At the left</source>
        <translation>Ganz links</translation>
    </message>
    <message id="LSInsertColumnsAtEnd">
        <source>At the right</source>
        <translation>Ganz rechts</translation>
    </message>
    <message id="LSInsertColumnsBefore">
        <source>Before the column</source>
        <translation>Vor der Spalte</translation>
    </message>
    <message id="LSInsertColumnsAfter">
        <source>After the column</source>
        <translation>Nach der Spalte</translation>
    </message>
    <message id="LSColumnTitle">
        <source>Column title:</source>
        <translation>Spaltentitel:</translation>
    </message>
    <message id="LSSetColumnTitle">
        <source>Set Title</source>
        <translation>Titel setzen</translation>
    </message>
    <message id="LSFill">
        <source>Fill</source>
        <translation>Ausfüllen</translation>
    </message>
    <message id="LSFillTitle">
        <source>Fill the selected columns in every row</source>
        <translation>Die ausgewählten Spalten in jeder Zeile ausfüllen</translation>
    </message>
    <message id="LSFillTextTab">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="LSFillNumberTab">
        <source>Number Series</source>
        <translation>Zahlenreihe</translation>
    </message>
    <message id="LSFillText">
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message id="LSFillReplace">
        <source>Replace the cell</source>
        <translation>Zelleninhalt ersetzen</translation>
    </message>
    <message id="LSFillAppend">
        <source>Add after the cell</source>
        <translation>Hinter dem Zelleninhalt anfügen</translation>
    </message>
    <message id="LSFillPrepend">
        <source>Add before the cell</source>
        <translation>Vor dem Zelleninhalt einfügen</translation>
    </message>
    <message id="LSFillStart">
        <source>Start at:</source>
        <translation>Beginnen bei:</translation>
    </message>
    <message id="LSFillIncrement">
        <source>Step per row:</source>
        <translation>Schrittweite je Zeile:</translation>
    </message>
    <message id="LSFillInsertSeparator">
        <source>Put a blank between the cell and the number</source>
        <translation>Ein Leerzeichen zwischen Zelleninhalt und Zahl setzen</translation>
    </message>
    <message id="LSSort">
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message id="LSSortTitle">
        <source>Sort all rows</source>
        <translation>Alle Zeilen sortieren</translation>
    </message>
    <message id="LSSortBy">
        <source>Sort by:</source>
        <translation>Sortieren nach:</translation>
    </message>
    <message id="LSSortThenBy">
        <source>Then by:</source>
        <translation>Dann nach:</translation>
    </message>
    <message id="LSSortNone">
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message id="LSSortAscending">
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message id="LSSortDescending">
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message id="LSSortCompareNumbers">
        <source>Compare numbers by value</source>
        <translation>Zahlen nach ihrem Wert vergleichen</translation>
    </message>
    <message id="LSMerge">
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message id="LSMergeTitle">
        <source>Merge the selected columns</source>
        <translation>Die ausgewählten Spalten zusammenführen</translation>
    </message>
    <message id="LSMergeOrder">
        <source>Order (drag to change it):</source>
        <translation>Reihenfolge (zum Ändern ziehen):</translation>
    </message>
    <message id="LSMergeDestination">
        <source>Into column:</source>
        <translation>In Spalte:</translation>
    </message>
    <message id="LSMergeSeparatorNone">
        <source>Nothing between the cells</source>
        <translation>Nichts zwischen den Zellen</translation>
    </message>
    <message id="LSMergeSeparatorBlank">
        <source>A blank between the cells</source>
        <translation>Ein Leerzeichen zwischen den Zellen</translation>
    </message>
    <message id="LSMergeSeparatorText">
        <source>This text between the cells:</source>
        <translation>Dieser Text zwischen den Zellen:</translation>
    </message>
    <message id="LSMergeRemoveSources">
        <source>Remove the other merged columns</source>
        <translation>Die übrigen zusammengeführten Spalten entfernen</translation>
    </message>
    <message id="LSAExportWriteFailed">
        <source>The file could not be written: %1</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message id="LSAExportUnrepresentableCharacter">
        <source>Row %1, column %2 holds the character “%3” (U+%4), which the encoding %5 cannot hold. Choose an encoding that can, such as Unicode (UTF-8), or change the text.</source>
        <translation>Zeile %1, Spalte %2 enthält das Zeichen „%3“ (U+%4), das die Kodierung %5 nicht darstellen kann. Wählen Sie eine Kodierung, die es kann, etwa Unicode (UTF-8), oder ändern Sie den Text.</translation>
    </message>
    <message id="LSAExportUnrepresentableTitle">
        <source>The title of column %1 holds the character “%2” (U+%3), which the encoding %4 cannot hold. Choose an encoding that can, such as Unicode (UTF-8), or change the title.</source>
        <translation>Der Titel von Spalte %1 enthält das Zeichen „%2“ (U+%3), das die Kodierung %4 nicht darstellen kann. Wählen Sie eine Kodierung, die es kann, etwa Unicode (UTF-8), oder ändern Sie den Titel.</translation>
    </message>
    <message id="LSAExportUnrepresentableText">
        <source>Some of the text cannot be held by the encoding %1.</source>
        <translation>Ein Teil des Textes lässt sich in der Kodierung %1 nicht darstellen.</translation>
    </message>
    <message id="LSAExportUnknownEncoding">
        <source>The encoding %1 is not available.</source>
        <translation>Die Kodierung %1 ist nicht verfügbar.</translation>
    </message>
    <message id="LSAExportCancelled">
        <source>Writing was cancelled.</source>
        <translation>Das Schreiben wurde abgebrochen.</translation>
    </message>
    <message id="LSCSVParserUnableToOpenFile">
        <source>Unable to open file for reading</source>
        <translation>Die Datei kann nicht zum Lesen geöffnet werden</translation>
    </message>
    <message id="LSCSVParserUnableToReadStream">
        <source>Unable to read from input stream</source>
        <translation>Aus dem Eingabestrom kann nicht gelesen werden</translation>
    </message>
    <message id="LSCSVParserUnableToInterpretChunk">
        <source>unable to interpret current chunk as a string</source>
        <translation>der aktuelle Abschnitt lässt sich nicht als Text deuten</translation>
    </message>
    <message id="LSCSVParserUnableToEncodeString">
        <source>The text cannot be written in the chosen encoding</source>
        <translation>Der Text lässt sich in der gewählten Kodierung nicht schreiben</translation>
    </message>
    <message id="LSUndefinedContent">
        <source>—</source>
        <translation>—</translation>
    </message>
    <message id="LSUDDataEdited">
        <source>Edit Cell</source>
        <translation>Zelle bearbeiten</translation>
    </message>
    <message id="LSUDColumnMoved">
        <source>Move Column</source>
        <translation>Spalte verschieben</translation>
    </message>
    <message id="LSADataErrorTitle">
        <source>The rows of this file differ in length</source>
        <translation>Die Zeilen dieser Datei sind unterschiedlich lang</translation>
    </message>
    <message id="LSADataErrorMsg">
        <source>Some rows have fewer cells than others. Fix them by adding empty cells at their ends, or open the file read-only to keep it exactly as it is.</source>
        <translation>Einige Zeilen haben weniger Zellen als andere. Ergänzen Sie leere Zellen an ihrem Ende, oder öffnen Sie die Datei schreibgeschützt, damit sie genau so bleibt, wie sie ist.</translation>
    </message>
    <message id="LSAOpenFixIt">
        <source>Add Empty Cells</source>
        <translation>Leere Zellen ergänzen</translation>
    </message>
    <message id="LSAOpenReadOnly">
        <source>Open Read-Only</source>
        <translation>Schreibgeschützt öffnen</translation>
    </message>
    <message id="LSAEmptyFileTitle">
        <source>This file is empty</source>
        <translation>Diese Datei ist leer</translation>
    </message>
    <message id="LSAEmptyFileMsg">
        <source>It holds no rows. Edit it to add rows and columns, or open it read-only to leave it as it is.</source>
        <translation>Sie enthält keine Zeilen. Bearbeiten Sie sie, um Zeilen und Spalten hinzuzufügen, oder öffnen Sie sie schreibgeschützt, um sie unverändert zu lassen.</translation>
    </message>
    <message id="LSAEmptyFileEdit">
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="LSAInsertDataErrorTitle">
        <source>The rows of this document now differ in length</source>
        <translation>Die Zeilen dieses Dokuments sind jetzt unterschiedlich lang</translation>
    </message>
    <message id="LSAInsertDataErrorMsg">
        <source>With the inserted file, some rows have fewer cells than others. Fix them by adding empty cells at their ends, or make this document read-only to keep its rows as they are.</source>
        <translation>Mit der eingefügten Datei haben einige Zeilen weniger Zellen als andere. Ergänzen Sie leere Zellen an ihrem Ende, oder machen Sie dieses Dokument schreibgeschützt, damit seine Zeilen bleiben, wie sie sind.</translation>
    </message>
    <message id="LSAMakeReadOnly">
        <source>Make Read-Only</source>
        <translation>Schreibgeschützt machen</translation>
    </message>
    <message id="LSReadOpenFailed">
        <source>The file “%1” could not be opened: %2</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message id="LSReadFailed">
        <source>Reading “%1” stopped at line %2 (byte %3): %4. %5 could be read. The document is read-only so that saving cannot overwrite the rest of the file.</source>
        <translation>Das Lesen von „%1“ brach in Zeile %2 (Byte %3) ab: %4. %5 konnten gelesen werden. Das Dokument ist schreibgeschützt, damit Speichern den Rest der Datei nicht überschreiben kann.</translation>
    </message>
    <message id="LSReadRowCount" numerus="yes">
        <source>%Ln rows</source>
        <translation>
            <numerusform>%Ln Zeile</numerusform>
            <numerusform>%Ln Zeilen</numerusform>
        </translation>
    </message>
    <message id="LSReadIsAFolder">
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message id="LSReadNotRegularFile">
        <source>it is not a regular file but a named pipe, a device or a socket, which may never end</source>
        <translation>es ist keine gewöhnliche Datei, sondern eine benannte Pipe, ein Gerät oder ein Socket, die womöglich nie enden</translation>
    </message>
    <message id="LSReadUndecodable">
        <source>The text of “%1” at line %2 (byte %3) cannot be read as %4, so reading stopped there and %5 could be read. To read the file in the encoding it was written in, choose File &gt; Reopen With Encoding. The document is read-only so that saving cannot overwrite the rest of the file.</source>
        <translation>Der Text von „%1“ in Zeile %2 (Byte %3) lässt sich nicht als %4 lesen, daher brach das Lesen dort ab und %5 konnten gelesen werden. Um die Datei in der Kodierung zu lesen, in der sie geschrieben wurde, wählen Sie Datei &gt; Mit Kodierung erneut öffnen. Das Dokument ist schreibgeschützt, damit Speichern den Rest der Datei nicht überschreiben kann.</translation>
    </message>
    <message id="LSReadUnclosedQuote">
        <source>A quotation mark in line %2 of “%1” is never closed, so everything after it was read into one cell. The document is read-only so that saving cannot overwrite the file. If the file escapes quotation marks with a backslash, open it again with “Backslash escapes quotation marks and separators” ticked.</source>
        <translation>Ein Anführungszeichen in Zeile %2 von „%1“ wird nie geschlossen, daher wurde alles danach in eine einzige Zelle gelesen. Das Dokument ist schreibgeschützt, damit Speichern die Datei nicht überschreiben kann. Falls die Datei Anführungszeichen mit einem Backslash maskiert, öffnen Sie sie erneut und setzen Sie das Häkchen bei „Backslash maskiert Anführungszeichen und Trennzeichen“.</translation>
    </message>
    <message id="LSUDRemoveDuplicateRows">
        <source>Remove Duplicate Rows</source>
        <translation>Doppelte Zeilen entfernen</translation>
    </message>
    <message id="LSShowDuplicateRows">
        <source>Show Duplicate Rows</source>
        <translation>Doppelte Zeilen anzeigen</translation>
    </message>
    <message id="LSDuplicateRowsKeyColumn">
        <source>Rows are the same when they agree in:</source>
        <translation>Zeilen gelten als gleich, wenn sie übereinstimmen in:</translation>
    </message>
    <message id="LSRemoveDuplicateRowsExplanation">
        <source>Of each group of equal rows the first stays; the later ones are removed.</source>
        <translation>Von jeder Gruppe gleicher Zeilen bleibt die erste; die späteren werden entfernt.</translation>
    </message>
    <message id="LSShowDuplicateRowsExplanation">
        <source>Every row that occurs more than once is shown, each group together.</source>
        <translation>Jede Zeile, die mehr als einmal vorkommt, wird angezeigt, jede Gruppe beisammen.</translation>
    </message>
    <message id="LSRemove">
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message id="LSShow">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="LSARemoveDuplicateRowsTitle">
        <source>Remove Duplicate Rows</source>
        <translation>Doppelte Zeilen entfernen</translation>
    </message>
    <message id="LSARemoveDuplicateRows" numerus="yes">
        <source>%Ln duplicate rows were removed. You can bring them back with Undo.</source>
        <translation>
            <numerusform>%Ln doppelte Zeile wurde entfernt. Mit „Rückgängig“ können Sie sie zurückholen.</numerusform>
            <numerusform>%Ln doppelte Zeilen wurden entfernt. Mit „Rückgängig“ können Sie sie zurückholen.</numerusform>
        </translation>
    </message>
    <message id="LSARemoveDuplicateRowsNotFound">
        <source>No duplicate rows were found.</source>
        <translation>Es wurden keine doppelten Zeilen gefunden.</translation>
    </message>
    <message id="LSAShowDuplicateRowsTitle">
        <source>Show Duplicate Rows</source>
        <translation>Doppelte Zeilen anzeigen</translation>
    </message>
    <message id="LSDuplicateRowsBarText">
        <source>Showing the duplicate rows. Rows you remove here leave the table too.</source>
        <translation>Die doppelten Zeilen werden angezeigt. Zeilen, die Sie hier entfernen, verschwinden auch aus der Tabelle.</translation>
    </message>
    <message id="LSEndShowDuplicateRows">
        <source>Show All Rows</source>
        <translation>Alle Zeilen anzeigen</translation>
    </message>
    <message id="Automatic">
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message id="Customize Encodings List…">
        <source>Customize Encodings List…</source>
        <translation>Liste der Kodierungen anpassen…</translation>
    </message>
    <message id="LSEncodingsPanelTitle">
        <source>Text Encodings</source>
        <translation>Textkodierungen</translation>
    </message>
    <message id="LSEncodingsPanelExplanation">
        <source>Tick the encodings to offer in the encoding menus.</source>
        <translation>Setzen Sie ein Häkchen bei den Kodierungen, die die Kodierungsmenüs anbieten sollen.</translation>
    </message>
    <message id="LSEncodingsClearAll">
        <source>Clear All</source>
        <translation>Keine auswählen</translation>
    </message>
    <message id="LSEncodingsSelectAll">
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="LSEncodingsRevertToDefault">
        <source>Revert to Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH_TITLE">
        <source>Tabwright quit unexpectedly</source>
        <translation>Tabwright wurde unerwartet beendet</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH">
        <source>%1 quit unexpectedly the last time it ran, and left a crash report. Do you want to send it to the developers? You can read it, add what you were doing and remove anything private before it goes.</source>
        <translation>%1 wurde beim letzten Mal unerwartet beendet und hat einen Absturzbericht hinterlassen. Möchten Sie ihn an die Entwickler senden? Sie können ihn vorher lesen, ergänzen, was Sie gerade getan haben, und alles Private entfernen.</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH_SEND">
        <source>Send Report…</source>
        <translation>Bericht senden…</translation>
    </message>
    <message id="WANT_TO_SEND_CRASH_DONT_SEND">
        <source>Don’t Send</source>
        <translation>Nicht senden</translation>
    </message>
    <message id="LSCrashReportOffer">
        <source>%1 quit unexpectedly the last time it ran, and left a crash report. Do you want to see it? You can copy it or save it, and send it to the developers yourself.</source>
        <translation>%1 wurde beim letzten Mal unerwartet beendet und hat einen Absturzbericht hinterlassen. Möchten Sie ihn ansehen? Sie können ihn kopieren oder speichern und selbst an die Entwickler senden.</translation>
    </message>
    <message id="LSCrashReportShow">
        <source>Show Report…</source>
        <translation>Bericht anzeigen…</translation>
    </message>
    <message id="LSCrashReportIgnore">
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message id="LSCrashReportUnreadable">
        <source>*** Couldn&apos;t read Report ***</source>
        <translation>*** Bericht konnte nicht gelesen werden ***</translation>
    </message>
    <message id="LSCrashReporterTitle">
        <source>Crash Report</source>
        <translation>Absturzbericht</translation>
    </message>
    <message id="LSCrashReporterIntro">
        <source>This report tells the developers where the program stopped. The log of the program follows it.</source>
        <translation>Dieser Bericht zeigt den Entwicklern, wo das Programm stehen geblieben ist. Danach folgt das Protokoll des Programms.</translation>
    </message>
    <message id="LSCrashReporterDescribe">
        <source>What were you doing when the program quit? (optional)</source>
        <translation>Was haben Sie getan, als das Programm beendet wurde? (optional)</translation>
    </message>
    <message id="LSCrashReporterSend">
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message id="LSCrashReporterCopy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="LSCrashReporterSave">
        <source>Save…</source>
        <translation>Speichern…</translation>
    </message>
    <message id="LSCrashReporterClose">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="LSCrashReporterSaveTitle">
        <source>Save Crash Report</source>
        <translation>Absturzbericht speichern</translation>
    </message>
    <message id="LSCrashReporterSaveFailed">
        <source>The report could not be saved to “%1”: %2</source>
        <translation>Der Bericht konnte nicht unter „%1“ gespeichert werden: %2</translation>
    </message>
    <message id="LSCrashReporterSendFailed">
        <source>The report could not be sent: %1. Try again later, or copy or save it.</source>
        <translation>Der Bericht konnte nicht gesendet werden: %1. Versuchen Sie es später erneut, oder kopieren oder speichern Sie ihn.</translation>
    </message>
    <message id="LSSending">
        <source>Sending…</source>
        <translation>Wird gesendet…</translation>
    </message>
    <message id="FEEDBACK_SUCCESS_TITLE">
        <source>Thank you</source>
        <translation>Vielen Dank</translation>
    </message>
    <message id="FEEDBACK_SUCCESS_MESSAGE">
        <source>Your message was sent.</source>
        <translation>Ihre Nachricht wurde gesendet.</translation>
    </message>
    <message id="FEEDBACK_ERROR_TITLE">
        <source>Your message could not be sent</source>
        <translation>Ihre Nachricht konnte nicht gesendet werden</translation>
    </message>
    <message id="FEEDBACK_ERROR_MESSAGE">
        <source>%1.
Your message is still here: try again later.</source>
        <translation>%1.
Ihre Nachricht ist noch da: Versuchen Sie es später erneut.</translation>
    </message>
    <message id="FEEDBACK_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_QUESTION">
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_PROBLEM">
        <source>Problem report</source>
        <translation>Problembericht</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_SUGGESTION">
        <source>Suggestion</source>
        <translation>Vorschlag</translation>
    </message>
    <message id="FEEDBACK_SUBJECT_PRAISE">
        <source>Praise</source>
        <translation>Lob</translation>
    </message>
    <message id="LSFeedbackTitle">
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message id="LSFeedbackSubject">
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message id="LSFeedbackFrom">
        <source>Your e-mail address:</source>
        <translation>Ihre E-Mail-Adresse:</translation>
    </message>
    <message id="LSFeedbackMessage">
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message id="LSFeedbackSendMeACopy">
        <source>Send me a copy</source>
        <translation>Mir eine Kopie senden</translation>
    </message>
    <message id="LSFeedbackWebPage">
        <source>Visit the Web Page</source>
        <translation>Webseite besuchen</translation>
    </message>
    <message id="LSFeedbackSend">
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message id="LSFeedbackCancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="LSRecoveryTitle">
        <source>Recover unsaved changes?</source>
        <translation>Ungesicherte Änderungen wiederherstellen?</translation>
    </message>
    <message id="LSRecoveryMessage">
        <source>Tabwright did not quit normally the last time it ran. The unsaved changes of these documents were kept:</source>
        <translation>Tabwright wurde beim letzten Mal nicht normal beendet. Die ungesicherten Änderungen dieser Dokumente wurden aufbewahrt:</translation>
    </message>
    <message id="LSRecoveryInformative">
        <source>Recovered documents open with their changes unsaved; nothing is written to your files until you save them.</source>
        <translation>Wiederhergestellte Dokumente öffnen sich mit ihren ungesicherten Änderungen; in Ihre Dateien wird erst geschrieben, wenn Sie sie speichern.</translation>
    </message>
    <message id="LSRecoveryRecover">
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="LSRecoveryDiscard">
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message id="LSRecoveryEntry">
        <source>%1 (changed %2)</source>
        <translation>%1 (geändert %2)</translation>
    </message>
    <message id="LSRecoveryEntryWithPath">
        <source>%1 in %2 (changed %3)</source>
        <translation>%1 in %2 (geändert %3)</translation>
    </message>
    <message id="LSRecoveryUnreadable">
        <source>The recovery copy “%1” could not be read or written: %2</source>
        <translation>Die Wiederherstellungskopie „%1“ konnte nicht gelesen oder geschrieben werden: %2</translation>
    </message>
    <message id="LSRecoveryNotACopy">
        <source>it is not a recovery copy of this program</source>
        <translation>sie ist keine Wiederherstellungskopie dieses Programms</translation>
    </message>
    <message id="LSRecoveryTruncated">
        <source>the copy is incomplete</source>
        <translation>die Kopie ist unvollständig</translation>
    </message>
    <message id="LSno">
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message id="LSyes">
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message id="LSOK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="LSDontAskAgain">
        <source>Do not ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message id="LSASaveFailed">
        <source>The file “%1” could not be saved: %2</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message id="LSASaveFailedTitle">
        <source>The document could not be saved</source>
        <translation>Das Dokument konnte nicht gespeichert werden</translation>
    </message>
    <message id="LSASaveNotRegularFile">
        <source>it is not a regular file (a named pipe, a device or a socket), and saving would replace it by one</source>
        <translation>sie ist keine gewöhnliche Datei (sondern eine benannte Pipe, ein Gerät oder ein Socket), und Speichern würde sie durch eine ersetzen</translation>
    </message>
    <message id="LSASaveFolderNotWritable">
        <source>the folder “%1” cannot be written to (%2). Save the document in another folder</source>
        <translation>in den Ordner „%1“ kann nicht geschrieben werden (%2). Speichern Sie das Dokument in einem anderen Ordner</translation>
    </message>
    <message id="LSASaveInPlaceFailed">
        <source>overwriting it failed part way (%1). The complete new contents are in “%2”</source>
        <translation>das Überschreiben brach mittendrin ab (%1). Der vollständige neue Inhalt steht in „%2“</translation>
    </message>
    <message id="LSSavePanelTitle">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="LSSavePanelTables">
        <source>CSV files (*.csv *.txt *.tsv *.tab)</source>
        <translation>CSV-Dateien (*.csv *.txt *.tsv *.tab)</translation>
    </message>
    <message id="LSSavePanelAllFiles">
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message id="LSPresetEncoding">
        <source>Encoding:</source>
        <translation>Kodierung:</translation>
    </message>
    <message id="LSPresetSeparator">
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message id="LSPresetLineEnding">
        <source>Line ending:</source>
        <translation>Zeilenende:</translation>
    </message>
    <message id="LSPresetFirstRowIsHeader">
        <source>First row is header</source>
        <translation>Erste Zeile enthält die Titel</translation>
    </message>
    <message id="LSPresetTrimSpaces">
        <source>Trim spaces around fields</source>
        <translation>Leerzeichen um Felder entfernen</translation>
    </message>
    <message id="LSPresetBackslashEscapes">
        <source>Backslash escapes quotation marks and separators</source>
        <translation>Backslash maskiert Anführungszeichen und Trennzeichen</translation>
    </message>
    <message id="LSPresetForceQuotes">
        <source>Put every field in quotation marks</source>
        <translation>Jedes Feld in Anführungszeichen setzen</translation>
    </message>
    <message id="LSSeparatorComma">
        <source>Comma ( , )</source>
        <translation>Komma ( , )</translation>
    </message>
    <message id="LSSeparatorSemicolon">
        <source>Semicolon ( ; )</source>
        <translation>Semikolon ( ; )</translation>
    </message>
    <message id="LSSeparatorTab">
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message id="LSLineEndingCRLF">
        <source>CR LF (Windows)</source>
        <translation>CR LF (Windows)</translation>
    </message>
    <message id="LSLineEndingCR">
        <source>CR (classic Mac OS)</source>
        <translation>CR (klassisches Mac OS)</translation>
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
        <translation>Öffnen</translation>
    </message>
    <message id="LSImportAssistant">
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message id="LSAssistantOpen">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="LSAssistantInsert">
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message id="LSAssistantCancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="LSAssistantUndecodable">
        <source>Part of the text cannot be read in this encoding. Choose the encoding the file was written in.</source>
        <translation>Ein Teil des Textes lässt sich in dieser Kodierung nicht lesen. Wählen Sie die Kodierung, in der die Datei geschrieben wurde.</translation>
    </message>
    <message id="GeneralPrefPanelName">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="GeneralPrefToolTip">
        <source>Autosave, launch, sheets and the default font</source>
        <translation>Automatisches Speichern, Programmstart, Dialoge und die Standardschrift</translation>
    </message>
    <message id="LSPrefsAutoSave">
        <source>Save documents automatically:</source>
        <translation>Dokumente automatisch speichern:</translation>
    </message>
    <message id="LSPrefsAutoSaveOff">
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message id="LSPrefsAutoSaveMinutes" numerus="yes">
        <source>Every %Ln minutes</source>
        <translation>
            <numerusform>Jede Minute</numerusform>
            <numerusform>Alle %Ln Minuten</numerusform>
        </translation>
    </message>
    <message id="LSPrefsAtLaunch">
        <source>At launch:</source>
        <translation>Beim Start:</translation>
    </message>
    <message id="LSPrefsOpenEmptyDocument">
        <source>Open an empty document</source>
        <translation>Ein leeres Dokument öffnen</translation>
    </message>
    <message id="LSPrefsOpenLastEdited">
        <source>Open the document edited last</source>
        <translation>Das zuletzt bearbeitete Dokument öffnen</translation>
    </message>
    <message id="LSPrefsSheets">
        <source>Dialogs:</source>
        <translation>Dialoge:</translation>
    </message>
    <message id="LSPrefsHighlightSheets">
        <source>Dim the window behind a dialog</source>
        <translation>Fenster hinter einem Dialog abdunkeln</translation>
    </message>
    <message id="LSPrefsDefaultFont">
        <source>Table font:</source>
        <translation>Tabellenschrift:</translation>
    </message>
    <message id="LSPrefsChangeFont">
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
    <message id="LSPrefsAlerts">
        <source>Confirmations:</source>
        <translation>Rückfragen:</translation>
    </message>
    <message id="LSPrefsResetAlerts">
        <source>Ask Again Before Removing</source>
        <translation>Vor dem Entfernen wieder fragen</translation>
    </message>
    <message id="ZRNMeasurementLibPoint">
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message id="CellColorPrefPanelName">
        <source>Cell Colours</source>
        <translation>Zellfarben</translation>
    </message>
    <message id="CellColorPrefToolTip">
        <source>Colour table cells by their contents</source>
        <translation>Tabellenzellen nach ihrem Inhalt einfärben</translation>
    </message>
    <message id="CellColorPrefDrawBackground">
        <source>Colour cell backgrounds</source>
        <translation>Zellhintergründe einfärben</translation>
    </message>
    <message id="CellColorPrefEmptyColor">
        <source>Empty cells:</source>
        <translation>Leere Zellen:</translation>
    </message>
    <message id="CellColorPrefOtherColor">
        <source>Cells no rule matches:</source>
        <translation>Zellen ohne passende Regel:</translation>
    </message>
    <message id="CellColorPrefActiveColumn">
        <source>On</source>
        <translation>Aktiv</translation>
    </message>
    <message id="CellColorPrefNameColumn">
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message id="CellColorPrefColorColumn">
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message id="CellColorPrefAddRuleToolTip">
        <source>Add a rule</source>
        <translation>Eine Regel hinzufügen</translation>
    </message>
    <message id="CellColorPrefRemoveRuleToolTip">
        <source>Remove the selected rules</source>
        <translation>Die ausgewählten Regeln entfernen</translation>
    </message>
    <message id="CellColorPrefAddNewRule">
        <source>New Colouring Rule</source>
        <translation>Neue Farbregel</translation>
    </message>
    <message id="CellColorPrefNewRule">
        <source>New rule</source>
        <translation>Neue Regel</translation>
    </message>
    <message id="CellColorPrefEditRule">
        <source>Edit Colouring Rule</source>
        <translation>Farbregel bearbeiten</translation>
    </message>
    <message id="CellColorPrefRuleName">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="CellColorPrefMatchText">
        <source>Cells containing:</source>
        <translation>Zellen, die enthalten:</translation>
    </message>
    <message id="CellColorPrefUseRegex">
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message id="CellColorPrefIgnoreCase">
        <source>Ignore letter case</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message id="CellColorPrefRuleColor">
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message id="CellColorPrefRemoveRuleEntryTitle">
        <source>Remove the selected colouring rules?</source>
        <translation>Die ausgewählten Farbregeln entfernen?</translation>
    </message>
    <message id="CellColorPrefRemoveRuleEntry">
        <source>Cells they colour will no longer be coloured by them. This cannot be undone.</source>
        <translation>Zellen, die diese Regeln einfärben, werden nicht mehr von ihnen eingefärbt. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message id="DefaultTitle">
        <source>Working</source>
        <translation>Bitte warten</translation>
    </message>
    <message id="LSReadingFile">
        <source>Reading “%1”</source>
        <translation>„%1“ wird gelesen</translation>
    </message>
    <message id="LSSavingFile">
        <source>Saving “%1”</source>
        <translation>„%1“ wird gespeichert</translation>
    </message>
    <message id="LSRMIntegralNumber">
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message id="LSRMRomanNumerals">
        <source>Roman numeral</source>
        <translation>Römische Zahl</translation>
    </message>
    <message id="LSRMEMailAddress">
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message id="LSRMInternetAddress">
        <source>Internet address</source>
        <translation>Internetadresse</translation>
    </message>
    <message id="LSRMInvalidExpression">
        <source>This regular expression is not valid (%1, at character %2): it colours no cell.</source>
        <translation>Dieser reguläre Ausdruck ist ungültig (%1, bei Zeichen %2): Er färbt keine Zelle ein.</translation>
    </message>
    <message id="LSAllColumns">
        <source>All Columns</source>
        <translation>Alle Spalten</translation>
    </message>
    <message id="LSColumn">
        <source>Column “%1”</source>
        <translation>Spalte „%1“</translation>
    </message>
    <message id="LSUDDataReplaced">
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message id="LSFindTitle">
        <source>Find and Replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message id="LSFindSearchFor">
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message id="LSFindReplaceWith">
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message id="LSFindInColumn">
        <source>In:</source>
        <translation>In:</translation>
    </message>
    <message id="LSFindIgnoreCase">
        <source>Ignore case</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message id="LSFindUseRegex">
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message id="LSFindSelectedRowsOnly">
        <source>Selected rows only</source>
        <translation>Nur ausgewählte Zeilen</translation>
    </message>
    <message id="LSFindClose">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="LSFindSelectAll">
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="LSFindReplaceAll">
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message id="LSFindFind">
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message id="LSFindInvalidRegex">
        <source>This is not a valid regular expression (%1 at character %2).</source>
        <translation>Dies ist kein gültiger regulärer Ausdruck (%1 bei Zeichen %2).</translation>
    </message>
    <message id="LSSearchColumnsToolTip">
        <source>Choose the columns to search</source>
        <translation>Die zu durchsuchenden Spalten wählen</translation>
    </message>
    <message id="LSSearchMenuMoreColumns" numerus="yes">
        <source>The last %Ln columns are not listed</source>
        <translation>
            <numerusform>Die letzte Spalte ist nicht aufgeführt</numerusform>
            <numerusform>Die letzten %Ln Spalten sind nicht aufgeführt</numerusform>
        </translation>
    </message>
    <message id="LSToolbarName">
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message id="LSAddRow">
        <source>Add Row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message id="LSAddRowToolTip">
        <source>Add an empty row at the end</source>
        <translation>Eine leere Zeile am Ende hinzufügen</translation>
    </message>
    <message id="LSAddColumn">
        <source>Add Column</source>
        <translation>Spalte hinzufügen</translation>
    </message>
    <message id="LSAddColumnToolTip">
        <source>Add an empty column at the right</source>
        <translation>Eine leere Spalte rechts hinzufügen</translation>
    </message>
    <message id="LSRemoveRow">
        <source>Remove Row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message id="LSRemoveRowToolTip">
        <source>Remove the selected rows</source>
        <translation>Die ausgewählten Zeilen entfernen</translation>
    </message>
    <message id="LSRemoveColumn">
        <source>Remove Column</source>
        <translation>Spalte entfernen</translation>
    </message>
    <message id="LSRemoveColumnToolTip">
        <source>Remove the selected columns</source>
        <translation>Die ausgewählten Spalten entfernen</translation>
    </message>
    <message id="LSShowFonts">
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message id="LSShowFontsToolTip">
        <source>Choose the font of the table</source>
        <translation>Die Schrift der Tabelle wählen</translation>
    </message>
    <message id="LSSearchFilter">
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message id="LSSearchFilterToolTip">
        <source>Show only the rows that contain this text</source>
        <translation>Nur die Zeilen anzeigen, die diesen Text enthalten</translation>
    </message>
    <message id="LSReadOnlyTitleSuffix">
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message id="LSReadFailedTitle">
        <source>The file could not be read to the end</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message id="LSARevertTitle">
        <source>Revert “%1” to the saved file?</source>
        <translation>„%1“ auf die gespeicherte Datei zurücksetzen?</translation>
    </message>
    <message id="LSARevertMsg">
        <source>Your unsaved changes will be lost: the rows are read again from the file.</source>
        <translation>Ihre ungesicherten Änderungen gehen verloren: Die Zeilen werden erneut aus der Datei gelesen.</translation>
    </message>
    <message id="LSAReopenDiscardsTitle">
        <source>Reopen the file in another encoding?</source>
        <translation>Die Datei in einer anderen Kodierung erneut öffnen?</translation>
    </message>
    <message id="LSAReopenDiscardsMsg">
        <source>The document has unsaved changes. Reading the file again replaces its rows, and the changes are lost.</source>
        <translation>Das Dokument hat ungesicherte Änderungen. Erneutes Lesen der Datei ersetzt seine Zeilen, und die Änderungen gehen verloren.</translation>
    </message>
    <message id="LSNumberOfSelectedRow" numerus="yes">
        <source>%Ln rows selected,</source>
        <translation>
            <numerusform>%Ln Zeile ausgewählt,</numerusform>
            <numerusform>%Ln Zeilen ausgewählt,</numerusform>
        </translation>
    </message>
    <message id="LSRows" numerus="yes">
        <source>%Ln rows</source>
        <translation>
            <numerusform>%Ln Zeile</numerusform>
            <numerusform>%Ln Zeilen</numerusform>
        </translation>
    </message>
    <message id="LSRowsFiltered">
        <source>%1 of %2 rows</source>
        <translation>%1 von %2 Zeilen</translation>
    </message>
    <message id="LSCTMRemove">
        <source>Remove Column</source>
        <translation>Spalte entfernen</translation>
    </message>
    <message id="LSCTMEditTitle">
        <source>Edit Title…</source>
        <translation>Titel bearbeiten…</translation>
    </message>
    <message id="LSCTMAlignment">
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message id="LSCTMLeft">
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message id="LSCTMCenter">
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message id="LSCTMRight">
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message id="LSCTMConvertTo">
        <source>Convert To</source>
        <translation>Umwandeln in</translation>
    </message>
    <message id="LSCTMConvertUppercase">
        <source>Upper Case</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message id="LSCTMConvertLowercase">
        <source>Lower Case</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message id="LSCTMConvertCapitalize">
        <source>Capitalized</source>
        <translation>Große Anfangsbuchstaben</translation>
    </message>
    <message id="LSCTMConvertTrimSpaces">
        <source>Without Leading and Trailing Spaces</source>
        <translation>Ohne Leerzeichen am Anfang und Ende</translation>
    </message>
    <message id="LSCTMFill">
        <source>Fill…</source>
        <translation>Ausfüllen…</translation>
    </message>
    <message id="LSCTMEmpty">
        <source>Empty Cells</source>
        <translation>Zellen leeren</translation>
    </message>
    <message id="LSCTMAdjustColumn">
        <source>Fit Width to Content</source>
        <translation>Breite an Inhalt anpassen</translation>
    </message>
    <message id="LSMenuFile">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="LSMenuNew">
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message id="LSMenuOpen">
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message id="LSMenuOpenRecent">
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message id="LSMenuClearRecent">
        <source>Clear Menu</source>
        <translation>Menü leeren</translation>
    </message>
    <message id="LSMenuClose">
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message id="LSMenuSave">
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message id="LSMenuSaveAs">
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message id="LSMenuRevert">
        <source>Re&amp;vert to Saved</source>
        <translation>Auf gespeicherte &amp;Version zurücksetzen</translation>
    </message>
    <message id="LSMenuReopenWithEncoding">
        <source>Reopen With &amp;Encoding</source>
        <translation>Mit &amp;Kodierung erneut öffnen</translation>
    </message>
    <message id="LSMenuInsertFile">
        <source>&amp;Insert File…</source>
        <translation>Datei &amp;einfügen…</translation>
    </message>
    <message id="LSMenuNewFromSelection">
        <source>New From Se&amp;lection</source>
        <translation>Neu aus Aus&amp;wahl</translation>
    </message>
    <message id="LSMenuNewFromClipboard">
        <source>New From Clip&amp;board</source>
        <translation>Neu aus Zwischen&amp;ablage</translation>
    </message>
    <message id="LSMenuQuit">
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="LSMenuEdit">
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="LSMenuUndo">
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="LSMenuUndoStep">
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message id="LSMenuRedo">
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message id="LSMenuRedoStep">
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message id="LSMenuCut">
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message id="LSMenuCopy">
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message id="LSMenuPaste">
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message id="LSMenuEmptyCells">
        <source>&amp;Empty Cells</source>
        <translation>Zellen &amp;leeren</translation>
    </message>
    <message id="LSLongCellPart">
        <source>Part %1 of %2</source>
        <translation>Teil %1 von %2</translation>
    </message>
    <message id="LSMenuSelectAll">
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message id="LSMenuInvertSelection">
        <source>&amp;Invert Selection</source>
        <translation>Auswahl u&amp;mkehren</translation>
    </message>
    <message id="LSMenuDeselectAll">
        <source>&amp;Deselect All</source>
        <translation>Auswahl au&amp;fheben</translation>
    </message>
    <message id="LSMenuFind">
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message id="LSMenuFindNext">
        <source>Find &amp;Next</source>
        <translation>&amp;Nächstes suchen</translation>
    </message>
    <message id="LSMenuReplace">
        <source>R&amp;eplace</source>
        <translation>Erse&amp;tzen</translation>
    </message>
    <message id="LSMenuReplaceAndFindNext">
        <source>Replace and Find Ne&amp;xt</source>
        <translation>Ersetzen und weitersu&amp;chen</translation>
    </message>
    <message id="LSMenuPreferences">
        <source>Pr&amp;eferences…</source>
        <translation>Einstellun&amp;gen…</translation>
    </message>
    <message id="LSMenuTable">
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message id="LSMenuAddRow">
        <source>Add &amp;Row</source>
        <translation>&amp;Zeile hinzufügen</translation>
    </message>
    <message id="LSMenuInsertRows">
        <source>&amp;Insert Rows…</source>
        <translation>Zeilen &amp;einfügen…</translation>
    </message>
    <message id="LSMenuRemoveRows">
        <source>Remove R&amp;ows</source>
        <translation>Zeilen ent&amp;fernen</translation>
    </message>
    <message id="LSMenuSelectedRowIsHeader">
        <source>Use Selected Row as &amp;Titles</source>
        <translation>Ausgewählte Zeile als &amp;Titel verwenden</translation>
    </message>
    <message id="LSMenuAddColumn">
        <source>Add &amp;Column</source>
        <translation>&amp;Spalte hinzufügen</translation>
    </message>
    <message id="LSMenuInsertColumns">
        <source>Insert Col&amp;umns…</source>
        <translation>Spalten einf&amp;ügen…</translation>
    </message>
    <message id="LSMenuRemoveColumns">
        <source>Remove Colu&amp;mns</source>
        <translation>Spalten entfer&amp;nen</translation>
    </message>
    <message id="LSMenuEditColumnTitle">
        <source>Edit Column &amp;Title…</source>
        <translation>Spaltentitel &amp;bearbeiten…</translation>
    </message>
    <message id="LSMenuFillColumns">
        <source>&amp;Fill Columns…</source>
        <translation>Spalten &amp;ausfüllen…</translation>
    </message>
    <message id="LSMenuMergeColumns">
        <source>&amp;Merge Columns…</source>
        <translation>Spalten zusa&amp;mmenführen…</translation>
    </message>
    <message id="LSMenuSortRows">
        <source>&amp;Sort Rows…</source>
        <translation>Zeilen s&amp;ortieren…</translation>
    </message>
    <message id="LSMenuShiftContent">
        <source>S&amp;hift Cells</source>
        <translation>Zellen &amp;verschieben</translation>
    </message>
    <message id="LSMenuRotateContent">
        <source>Ro&amp;tate Cells</source>
        <translation>Zellen &amp;rotieren</translation>
    </message>
    <message id="LSMenuLeft">
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message id="LSMenuRight">
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message id="LSMenuShowDuplicateRows">
        <source>Show &amp;Duplicate Rows…</source>
        <translation>&amp;Doppelte Zeilen anzeigen…</translation>
    </message>
    <message id="LSMenuRemoveDuplicateRows">
        <source>Remove Duplicate Ro&amp;ws…</source>
        <translation>Doppe&amp;lte Zeilen entfernen…</translation>
    </message>
    <message id="LSMenuView">
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="LSMenuShowFonts">
        <source>Show &amp;Fonts</source>
        <translation>&amp;Schriften einblenden</translation>
    </message>
    <message id="LSMenuAdjustSelectedWidths">
        <source>Fit &amp;Selected Columns to Content</source>
        <translation>&amp;Ausgewählte Spalten an Inhalt anpassen</translation>
    </message>
    <message id="LSMenuAdjustAllWidths">
        <source>Fit &amp;All Columns to Content</source>
        <translation>A&amp;lle Spalten an Inhalt anpassen</translation>
    </message>
    <message id="LSMenuWindow">
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message id="LSMenuMinimize">
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message id="LSMenuHelp">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="LSMenuSendFeedback">
        <source>Send &amp;Feedback…</source>
        <translation>&amp;Feedback senden…</translation>
    </message>
    <message id="LSMenuAbout">
        <source>&amp;About Tabwright</source>
        <translation>Ü&amp;ber Tabwright</translation>
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
        <translation>Westeuropäisch (Mac OS Roman)</translation>
    </message>
    <message id="LSEncoding_iso-8859-1">
        <source>Western (ISO Latin 1)</source>
        <translation>Westeuropäisch (ISO Latin 1)</translation>
    </message>
    <message id="LSEncoding_iso-8859-3">
        <source>Western (ISO Latin 3)</source>
        <translation>Westeuropäisch (ISO Latin 3)</translation>
    </message>
    <message id="LSEncoding_iso-8859-10">
        <source>Nordic (ISO Latin 6)</source>
        <translation>Nordisch (ISO Latin 6)</translation>
    </message>
    <message id="LSEncoding_iso-8859-15">
        <source>Western (ISO Latin 9)</source>
        <translation>Westeuropäisch (ISO Latin 9)</translation>
    </message>
    <message id="LSEncoding_cp437">
        <source>Latin-US (DOS)</source>
        <translation>Latin-US (DOS)</translation>
    </message>
    <message id="LSEncoding_cp850">
        <source>Western (DOS Latin 1)</source>
        <translation>Westeuropäisch (DOS Latin 1)</translation>
    </message>
    <message id="LSEncoding_cp860">
        <source>Portuguese (DOS)</source>
        <translation>Portugiesisch (DOS)</translation>
    </message>
    <message id="LSEncoding_cp863">
        <source>Canadian French (DOS)</source>
        <translation>Kanadisches Französisch (DOS)</translation>
    </message>
    <message id="LSEncoding_cp865">
        <source>Nordic (DOS)</source>
        <translation>Nordisch (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1252">
        <source>Western (Windows Latin 1)</source>
        <translation>Westeuropäisch (Windows Latin 1)</translation>
    </message>
    <message id="LSEncoding_us-ascii">
        <source>Western (ASCII)</source>
        <translation>Westeuropäisch (ASCII)</translation>
    </message>
    <message id="LSEncoding_ibm037">
        <source>Western (EBCDIC Latin 1)</source>
        <translation>Westeuropäisch (EBCDIC Latin 1)</translation>
    </message>
    <message id="LSEncoding_windows-31j">
        <source>Japanese (Windows, DOS)</source>
        <translation>Japanisch (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_iso-2022-jp">
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japanisch (ISO 2022-JP)</translation>
    </message>
    <message id="LSEncoding_iso-2022-jp-2">
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>Japanisch (ISO 2022-JP-2)</translation>
    </message>
    <message id="LSEncoding_iso-2022-jp-1">
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>Japanisch (ISO 2022-JP-1)</translation>
    </message>
    <message id="LSEncoding_euc-jp">
        <source>Japanese (EUC)</source>
        <translation>Japanisch (EUC)</translation>
    </message>
    <message id="LSEncoding_shift_jis">
        <source>Japanese (Shift JIS)</source>
        <translation>Japanisch (Shift JIS)</translation>
    </message>
    <message id="LSEncoding_cp950">
        <source>Traditional Chinese (Windows, DOS)</source>
        <translation>Traditionelles Chinesisch (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_euc-tw">
        <source>Traditional Chinese (EUC)</source>
        <translation>Traditionelles Chinesisch (EUC)</translation>
    </message>
    <message id="LSEncoding_big5">
        <source>Traditional Chinese (Big 5)</source>
        <translation>Traditionelles Chinesisch (Big 5)</translation>
    </message>
    <message id="LSEncoding_big5-hkscs">
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>Traditionelles Chinesisch (Big 5 HKSCS)</translation>
    </message>
    <message id="LSEncoding_cp949">
        <source>Korean (Windows, DOS)</source>
        <translation>Koreanisch (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_iso-2022-kr">
        <source>Korean (ISO 2022-KR)</source>
        <translation>Koreanisch (ISO 2022-KR)</translation>
    </message>
    <message id="LSEncoding_euc-kr">
        <source>Korean (EUC)</source>
        <translation>Koreanisch (EUC)</translation>
    </message>
    <message id="LSEncoding_iso-8859-6">
        <source>Arabic (ISO 8859-6)</source>
        <translation>Arabisch (ISO 8859-6)</translation>
    </message>
    <message id="LSEncoding_cp864">
        <source>Arabic (DOS)</source>
        <translation>Arabisch (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1256">
        <source>Arabic (Windows)</source>
        <translation>Arabisch (Windows)</translation>
    </message>
    <message id="LSEncoding_iso-8859-8">
        <source>Hebrew (ISO 8859-8)</source>
        <translation>Hebräisch (ISO 8859-8)</translation>
    </message>
    <message id="LSEncoding_cp862">
        <source>Hebrew (DOS)</source>
        <translation>Hebräisch (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1255">
        <source>Hebrew (Windows)</source>
        <translation>Hebräisch (Windows)</translation>
    </message>
    <message id="LSEncoding_x-mac-greek">
        <source>Greek (Mac OS)</source>
        <translation>Griechisch (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-7">
        <source>Greek (ISO 8859-7)</source>
        <translation>Griechisch (ISO 8859-7)</translation>
    </message>
    <message id="LSEncoding_cp737">
        <source>Greek (DOS)</source>
        <translation>Griechisch (DOS)</translation>
    </message>
    <message id="LSEncoding_cp851">
        <source>Greek (DOS Greek 1)</source>
        <translation>Griechisch (DOS Griechisch 1)</translation>
    </message>
    <message id="LSEncoding_cp869">
        <source>Greek (DOS Greek 2)</source>
        <translation>Griechisch (DOS Griechisch 2)</translation>
    </message>
    <message id="LSEncoding_windows-1253">
        <source>Greek (Windows)</source>
        <translation>Griechisch (Windows)</translation>
    </message>
    <message id="LSEncoding_x-mac-cyrillic">
        <source>Cyrillic (Mac OS)</source>
        <translation>Kyrillisch (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-5">
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>Kyrillisch (ISO 8859-5)</translation>
    </message>
    <message id="LSEncoding_cp855">
        <source>Cyrillic (DOS)</source>
        <translation>Kyrillisch (DOS)</translation>
    </message>
    <message id="LSEncoding_cp866">
        <source>Russian (DOS)</source>
        <translation>Russisch (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1251">
        <source>Cyrillic (Windows)</source>
        <translation>Kyrillisch (Windows)</translation>
    </message>
    <message id="LSEncoding_koi8-r">
        <source>Cyrillic (KOI8-R)</source>
        <translation>Kyrillisch (KOI8-R)</translation>
    </message>
    <message id="LSEncoding_iso-8859-11">
        <source>Thai (ISO 8859-11)</source>
        <translation>Thailändisch (ISO 8859-11)</translation>
    </message>
    <message id="LSEncoding_windows-874">
        <source>Thai (Windows, DOS)</source>
        <translation>Thailändisch (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_cp936">
        <source>Simplified Chinese (Windows, DOS)</source>
        <translation>Vereinfachtes Chinesisch (Windows, DOS)</translation>
    </message>
    <message id="LSEncoding_gbk">
        <source>Simplified Chinese (GBK)</source>
        <translation>Vereinfachtes Chinesisch (GBK)</translation>
    </message>
    <message id="LSEncoding_gb18030">
        <source>Simplified Chinese (GB 18030)</source>
        <translation>Vereinfachtes Chinesisch (GB 18030)</translation>
    </message>
    <message id="LSEncoding_iso-2022-cn">
        <source>Simplified Chinese (ISO 2022-CN)</source>
        <translation>Vereinfachtes Chinesisch (ISO 2022-CN)</translation>
    </message>
    <message id="LSEncoding_iso-2022-cn-ext">
        <source>Simplified Chinese (ISO 2022-CN-EXT)</source>
        <translation>Vereinfachtes Chinesisch (ISO 2022-CN-EXT)</translation>
    </message>
    <message id="LSEncoding_gb2312">
        <source>Simplified Chinese (GB 2312)</source>
        <translation>Vereinfachtes Chinesisch (GB 2312)</translation>
    </message>
    <message id="LSEncoding_hz-gb-2312">
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>Vereinfachtes Chinesisch (HZ GB 2312)</translation>
    </message>
    <message id="LSEncoding_x-mac-ce">
        <source>Central European (Mac OS)</source>
        <translation>Mitteleuropäisch (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-2">
        <source>Central European (ISO Latin 2)</source>
        <translation>Mitteleuropäisch (ISO Latin 2)</translation>
    </message>
    <message id="LSEncoding_iso-8859-4">
        <source>Central European (ISO Latin 4)</source>
        <translation>Mitteleuropäisch (ISO Latin 4)</translation>
    </message>
    <message id="LSEncoding_iso-8859-13">
        <source>Baltic (ISO Latin 7)</source>
        <translation>Baltisch (ISO Latin 7)</translation>
    </message>
    <message id="LSEncoding_cp775">
        <source>Baltic (DOS)</source>
        <translation>Baltisch (DOS)</translation>
    </message>
    <message id="LSEncoding_cp852">
        <source>Central European (DOS Latin 2)</source>
        <translation>Mitteleuropäisch (DOS Latin 2)</translation>
    </message>
    <message id="LSEncoding_windows-1250">
        <source>Central European (Windows Latin 2)</source>
        <translation>Mitteleuropäisch (Windows Latin 2)</translation>
    </message>
    <message id="LSEncoding_windows-1257">
        <source>Baltic (Windows)</source>
        <translation>Baltisch (Windows)</translation>
    </message>
    <message id="LSEncoding_windows-1258">
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamesisch (Windows)</translation>
    </message>
    <message id="LSEncoding_x-mac-turkish">
        <source>Turkish (Mac OS)</source>
        <translation>Türkisch (Mac OS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-9">
        <source>Turkish (ISO Latin 5)</source>
        <translation>Türkisch (ISO Latin 5)</translation>
    </message>
    <message id="LSEncoding_cp857">
        <source>Turkish (DOS)</source>
        <translation>Türkisch (DOS)</translation>
    </message>
    <message id="LSEncoding_windows-1254">
        <source>Turkish (Windows Latin 5)</source>
        <translation>Türkisch (Windows Latin 5)</translation>
    </message>
    <message id="LSEncoding_cp861">
        <source>Icelandic (DOS)</source>
        <translation>Isländisch (DOS)</translation>
    </message>
    <message id="LSEncoding_iso-8859-14">
        <source>Celtic (ISO Latin 8)</source>
        <translation>Keltisch (ISO Latin 8)</translation>
    </message>
    <message id="LSEncoding_koi8-u">
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ukrainisch (KOI8-U)</translation>
    </message>
</context>
</TS>

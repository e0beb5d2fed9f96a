#pragma once

#include "CSVCellBlock.h"
#include "CSVDocumentReader.h"
#include "CSVDocumentWriter.h"
#include "CSVFindReplaceState.h"
#include "CSVImportExportPreset.h"
#include "CSVReadFailure.h"
#include "CSVRowStore.h"
#include "CSVSavePanelChoices.h"
#include "CSVSelection.h"
#include "CSVTableColumns.h"
#include "commands/CSVCommandChoices.h"
#include "search/CSVSearchField.h"

#include "foundation/IndexSet.h"
#include "foundation/UndoManager.h"

#include <QDateTime>
#include <QObject>
#include <QVariantMap>

#include <memory>
#include <optional>

class Error;

// One open table: its rows, the columns that show them in display order, the selection, the
// undo history and the per-document state of search and find. Every change to the table goes
// through the primitives below; each records its inverse first, so a command made of several
// primitives undoes as one step, which the command then names.
//
// The window is a thin view: what it must do after a change (reload, select, scroll, refresh
// its status line) reaches it through the signals, so all of this runs without a window.
class CSVDocument : public QObject
{
    Q_OBJECT

public:
    enum DisplayMode { AllRowsMode = 1, FilterMode = 2, DuplicateRowsMode = 3 };

    // The empty document: one row of four empty cells.
    explicit CSVDocument(QObject *parent = nullptr);
    ~CSVDocument() override;

    // Reading. A file that cannot be opened fails with an error naming it and the reason. A
    // file that stops reading part way gives the rows before the failure, readFailure() and a
    // read-only document.
    //
    // The document of a file read under the preset; its export preset takes the preset's
    // values except trimming, which only applies to reading.
    static std::unique_ptr<CSVDocument>
    withContentsOfURL(const QString &path, const CSVImportExportPreset &preset, Error *error);
    // The same from what a reader gave, on a worker perhaps: only this half needs the main
    // thread.
    static std::unique_ptr<CSVDocument> withReadResult(const QString &path,
                                                       const CSVImportExportPreset &preset,
                                                       CSVDocumentReader::Result result);
    // A document holding exactly these rows, with no header row.
    static std::unique_ptr<CSVDocument> withRows(CSVRowList rows,
                                                 const CSVImportExportPreset &preset);
    // Reading again takes the rows read; the undo history, the filter and the selection refer
    // to the old rows and are dropped. Each reading below has a main-thread half that takes
    // what a reader gave (on a worker perhaps), read with the preset the reading names.
    //
    // Reads the file again under the import preset and forgets every unsaved change.
    bool revertToContentsOfURL(const QString &path, Error *error);
    void revertWithReadResult(const QString &path, CSVDocumentReader::Result result);
    // Reads the document's file again in another encoding; unsaved changes stay unsaved. A file
    // that cannot be read leaves the document and its presets as they were.
    bool reopenWithEncoding(StringEncoding encoding, Error *error);
    CSVImportExportPreset importPresetWithEncoding(StringEncoding encoding) const;
    void reopenWithReadResult(StringEncoding encoding, CSVDocumentReader::Result result);
    // Appends the rows of another file as one undoable step, adding columns for longer rows,
    // numbered or, when the preset takes the first row as the header, titled from it (the
    // header is no row). A file that stops reading part way appends nothing and fails.
    bool insertRowsFromURL(const QString &path, const CSVImportExportPreset &preset, Error *error);
    bool insertReadRows(const QString &path, const CSVImportExportPreset &preset,
                        CSVDocumentReader::Result result, Error *error);

    // Saving. Writes the table under the export preset, atomically (see CSVDocumentWriter); the
    // document is left as it was. Only reads the document: it may run on a worker while
    // nothing changes the document.
    bool writeToURL(const QString &path, Error *error,
                    const ZRNCSVExport::Progress &progress = {}) const;
    // Writes the table and makes the file the document's own: no unsaved changes from here on,
    // and reading it again reads what was written. A failed save changes nothing, so unsaved
    // changes stay unsaved.
    bool saveToURL(const QString &path, Error *error);
    // The main-thread half of saveToURL, once writeToURL has written the file.
    void didSaveToURL(const QString &path);
    // The save panel was confirmed: its accessory's choices go into the export preset. No
    // undoable step, no unsaved change.
    void saveAccessoryViewChanged(const CSVSavePanelChoices &choices);

    const QString &filePath() const { return m_filePath; }
    // Ties the document to a file without reading it (a recovered document): Save writes there.
    void setFilePath(const QString &path) { m_filePath = path; }
    const QDateTime &fileModificationDate() const { return m_fileModificationDate; }
    const CSVImportExportPreset &importPreset() const { return m_importPreset; }
    void setImportPreset(const CSVImportExportPreset &preset) { m_importPreset = preset; }
    const CSVImportExportPreset &exportPreset() const { return m_exportPreset; }
    void setExportPreset(const CSVImportExportPreset &preset) { m_exportPreset = preset; }
    const std::optional<CSVReadFailure> &readFailure() const { return m_readFailure; }

    // Rows of different lengths (or none) were read: the window asks whether to pad the short
    // rows or to open the document read-only, and answers with one of the two operations.
    bool isColumnMismatchQuestionPending() const { return m_columnMismatchQuestionPending; }
    // What the question is about: the file read, or the rows of a file inserted into the document.
    enum class ColumnMismatchCause { RaggedFile, EmptyFile, InsertedRows };
    ColumnMismatchCause columnMismatchCause() const { return m_columnMismatchCause; }
    // Pads the short rows; a change no undo takes back.
    void fixColumnMismatch();
    void openReadOnlyForColumnMismatch();

    // The table.
    const CSVRowList &rowArrays() const { return m_rows.rows(); }
    // Takes the list as the document's rows, without undo.
    void setRowArrays(CSVRowList rows) { m_rows.setRows(std::move(rows)); }
    qint64 numberOfColumns() const { return m_numberOfColumns; }
    void setNumberOfColumns(qint64 count) { m_numberOfColumns = count; }
    const CSVRowList *filteredRowArrays() const { return m_rows.filteredRows(); }
    void setFilteredRowArrays(std::optional<CSVRowList> rows);
    // The rows the table shows; every row index the table reports refers to this list.
    const CSVRowList &displayRowArrays();
    int displayMode() const { return m_displayMode; }
    void setDisplayMode(int mode) { m_displayMode = mode; }
    // Moves the window to the mode: the duplicate-rows bar shows in mode 3 alone. Not undoable.
    void switchToDisplayMode(int mode);
    const CSVRowPtr &firstRowArray() const { return m_firstRowArray; }
    // The attribute holding copied column descriptions, from which buildTableViewColumns titles
    // the columns (see CSVTableColumns::build).
    static QString columnsDescriptionKey() { return QStringLiteral("tableColumnsDescription"); }
    const QVariantMap &attributes() const { return m_attributes; }
    void setAttributes(const QVariantMap &attributes) { m_attributes = attributes; }
    // Pads every row shorter than numberOfColumns with empty cells. Not undoable.
    void fixRows();

    // The columns, in display order.
    const CSVTableColumns &tableColumns() const { return m_columns; }
    // Discards the columns and makes one per cell position (see CSVTableColumns::build).
    void buildTableViewColumns();
    // Takes these columns as they are (a recovered layout); not undoable.
    void setTableColumns(CSVTableColumns columns);
    qint64 indexOfColumnWithIdentifier(const QString &identifier) const;
    IndexSet indexSetWithColumnIndex() const { return m_columns.indexSetWithColumnIndex(); }
    // Width and alignment are view settings: not undoable, no unsaved change.
    void setColumnWidth(qint64 index, double width);
    void setColumnContentAlignment(qint64 index, TextAlignment alignment);

    // The selection, as the table reports it.
    const IndexSet &selectedRowIndexes() const { return m_selection.rows(); }
    const IndexSet &selectedColumnIndexes() const { return m_selection.columns(); }
    void selectRowIndexes(const IndexSet &rows, bool extend);
    void selectColumnIndexes(const IndexSet &columns, bool extend);
    void deselectRow(qint64 row);
    CSVRowList selectedRows();
    std::vector<CSVTableColumn> selectedColumns() const;
    qint64 numberOfSelectedRows() const { return m_selection.rows().count(); }
    qint64 numberOfSelectedColumns() const { return m_selection.columns().count(); }

    // False once the user chose to open ragged rows read-only, or when reading failed part way:
    // such a document is never saved over its file.
    bool isEditable() const { return !m_isReadOnly && !m_readFailure; }
    bool columnMismatch() const { return m_columnMismatch; }
    // Edits made before the document became read-only (an append that found ragged rows) are
    // unsaved changes too: closing must not drop them without asking.
    bool hasUnsavedChanges() const { return m_undoManager.hasUnsavedChanges(); }

    // Row primitives. Indexes are positions in rowArrays, not in the visible rows.
    void removeCSVRow(const CSVRowPtr &row);
    void removeCSVRowsAtIndexes(const IndexSet &indexes);
    void removeCSVRowsInRange(qint64 location, qint64 length);
    // Removes these row objects from the rows and from the filtered list, wherever they stand,
    // as one change: undo puts each back at its former place in both lists and selects them.
    // A loop of removeCSVRow would search and move the rows once per row.
    void removeCSVRows(const CSVRowList &rows);
    void replaceCSVRow(const CSVRowPtr &oldRow, const CSVRowPtr &newRow);
    // Puts each new row in the place of the old row at its index, in the rows and in the
    // filtered list, as one change: one pass, however many rows.
    void replaceCSVRows(CSVRowList oldRows, CSVRowList newRows);
    void insertCSVRow(const CSVRowPtr &row, qint64 index);
    void insertCSVRows(const CSVRowList &rows, qint64 index);
    void insertCSVRowsAtIndexes(const CSVRowList &rows, const IndexSet &indexes);
    void setRowsArrayUndoable(CSVRowList rows);

    // Column primitives. Indexes are display positions; a column is found by its identifier.
    void removeTableColumn(const CSVTableColumn &column);
    void insertTableColumn(const CSVTableColumn &column, qint64 index);
    void quietInsertTableColumn(const CSVTableColumn &column, qint64 index);
    void moveTableColumn(qint64 from, qint64 to);
    void tableColumnSetTitle(const CSVTableColumn &column, const QString &title);

    // Cell primitive. A cell past the end of a short row first extends the row with empty
    // cells (not undoable), so undo restores the empty text.
    void setStringValue(const QString &value, const CSVRowPtr &row, qint64 position);
    // The same for a block of cells as one change; its undo keeps the old texts as compactly
    // as the rows keep theirs.
    void setStringValues(const CSVCellBlock &cells);

    // Data source of the table; column indexes are display positions, rows visible rows.
    qint64 numberOfRowsInTableView();
    QString objectValueForTableColumn(qint64 column, qint64 row);
    // The same cell without a copy, valid until its row changes: a cell may hold hundreds of
    // megabytes, of which the table shows a part.
    QAnyStringView cellViewForTableColumn(qint64 column, qint64 row);
    // The cell's text for the colouring: the same view, but a null view for a cell past the end
    // of a short row, which counts as empty.
    QAnyStringView cellTextForTableColumn(qint64 column, qint64 row);
    bool shouldEditTableColumn(qint64 column, qint64 row) const;
    void setObjectValueForTableColumn(const QString &text, qint64 column, qint64 row);
    bool shouldReorderColumn(qint64 from, qint64 to) const;
    // The user dragged a column: moves it and records the move as one step.
    void tableViewColumnDidMove(qint64 oldIndex, qint64 newIndex);

    // The visible rows changed as a whole: the table reads them again.
    void reloadTable() { reload(); }

    // Window hooks of the search and find features; each tells the window through a signal.
    void updateUI();
    void buildAndSetSearchMenu();
    void resetSearchField();
    void resetFindResults();

    UndoManager &undoManager() { return m_undoManager; }
    const UndoManager &undoManager() const { return m_undoManager; }
    CSVSearchField &searchField() { return m_searchField; }
    const CSVSearchField &searchField() const { return m_searchField; }
    CSVFindReplaceState &findReplaceState() { return m_findReplace; }
    const CSVFindReplaceState &findReplaceState() const { return m_findReplace; }
    CSVCommandChoices &commandChoices() { return m_commandChoices; }
    const CSVCommandChoices &commandChoices() const { return m_commandChoices; }

signals:
    // The table's contents changed: read everything again, the row selection included.
    void reloadData();
    // Smaller changes, told so that the table keeps its editor, current cell and scroll
    // position: visible rows inserted or removed at a place (under a filter, a reloadData
    // instead), or the text of a row's cell at a position (-1: of every cell) changed.
    void rowsInserted(qint64 first, qint64 count);
    void rowsRemoved(qint64 first, qint64 count);
    void cellChanged(const CSVRowPtr &row, qint64 position);
    void columnsChanged();
    void selectionChanged();
    void scrollRowToVisible(qint64 row);
    void scrollColumnToVisible(qint64 column);
    void uiUpdateRequested();
    // The search field's column menu changed: install it again.
    void searchMenuRebuildRequested();
    // The search text was emptied by a command.
    void searchFieldResetRequested();
    // The find marks (ruler markers, tinted column) changed.
    void findMarksChanged();
    // A find found nothing: beep.
    void findFailed();
    // The document's file changed (saved under another name): retitle the window.
    void filePathChanged(const QString &path);
    // Raised after a revert or an append found ragged rows: ask the question now.
    void columnMismatchQuestionRaised();
    // A revert or a reopen stopped reading part way: say why the document is now read-only.
    void readFailureRaised();

private:
    void registerUndo(UndoManager::Action inverse)
    {
        m_undoManager.registerUndo(std::move(inverse));
    }
    // What a change did to the rows, for reload().
    struct RowChange
    {
        enum Kind { Everything, Inserted, Removed, OneRow };
        Kind kind = Everything;
        qint64 first = 0;
        qint64 count = 0;
        CSVRowPtr row = {}; // OneRow, at a cell position or -1
        qint64 position = -1;
    };
    void reload() { reload(RowChange{RowChange::Everything, 0, 0}); }
    void reload(RowChange change);
    void afterRowsInserted(qint64 index, qint64 count);
    void reinsertCSVRow(const CSVRowPtr &row, qint64 index, qint64 filterIndex);
    // The lists are shared with the inverse: a million rows are not copied for each step.
    using SharedRows = std::shared_ptr<const CSVRowList>;
    void replaceRows(const SharedRows &oldRows, const SharedRows &newRows);
    void reinsertCSVRows(const CSVRowList &rows, const CSVRowList &filtered,
                         const CSVRowStore::Positions &positions);
    void insertColumn(const CSVTableColumn &column, qint64 index);
    void afterColumnsChanged();
    void takeReadRows(CSVRowList rows);
    void takeReadResult(const QString &path, CSVDocumentReader::Result result);
    void rebuildAfterReread();
    void raiseColumnMismatchQuestion();

    CSVRowStore m_rows;
    qint64 m_numberOfColumns = 4;
    int m_displayMode = AllRowsMode;
    CSVRowPtr m_firstRowArray;
    QVariantMap m_attributes;
    CSVTableColumns m_columns;
    CSVSelection m_selection;
    bool m_isReadOnly = false;
    bool m_columnMismatch = false;
    bool m_undoColumnMoveDontTrack = false;
    bool m_columnMismatchQuestionPending = false;
    ColumnMismatchCause m_columnMismatchCause = ColumnMismatchCause::RaggedFile;
    CSVImportExportPreset m_importPreset;
    CSVImportExportPreset m_exportPreset;
    QString m_filePath;
    QDateTime m_fileModificationDate;
    std::optional<CSVReadFailure> m_readFailure;
    CSVSearchField m_searchField;
    CSVFindReplaceState m_findReplace;
    CSVCommandChoices m_commandChoices;
    UndoManager m_undoManager;
};

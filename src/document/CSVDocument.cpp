#include "CSVDocument.h"

#include "CSVDocumentReader.h"
#include "CSVDocumentWriter.h"
#include "CSVRecentPresets.h"
#include "CSVRowDisposal.h"

#include "search/CSVFindReplace.h"
#include "search/CSVSearchFilter.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/NotFound.h"
#include "foundation/NotificationCenter.h"

#include <QFileInfo>

CSVDocument::CSVDocument(QObject *parent) : QObject(parent)
{
    m_rows.setRows({makeCSVRow({QString(), QString(), QString(), QString()})});
    // Colours and fonts may have changed: every cell is drawn again.
    for (const char *name : {"PrefsChanged", "CSVRulesManagerRulesDidChanged"}) {
        NotificationCenter::defaultCenter().addObserver(
            this, QString::fromLatin1(name), [this](const Notification &) { emit reloadData(); });
    }
}

CSVDocument::~CSVDocument()
{
    CSVRowDisposal::dispose(m_rows.exchangeRows({}));
}

std::unique_ptr<CSVDocument> CSVDocument::withContentsOfURL(const QString &path,
                                                            const CSVImportExportPreset &preset,
                                                            Error *error)
{
    std::optional<CSVDocumentReader::Result> result = CSVDocumentReader::read(path, preset, error);
    if (!result)
        return nullptr;
    return withReadResult(path, preset, std::move(*result));
}

std::unique_ptr<CSVDocument> CSVDocument::withReadResult(const QString &path,
                                                         const CSVImportExportPreset &preset,
                                                         CSVDocumentReader::Result result)
{
    auto document = std::make_unique<CSVDocument>();
    document->m_importPreset = preset;
    document->m_exportPreset = preset;
    document->m_exportPreset.setTrimSpaces(false);
    document->takeReadResult(path, std::move(result));
    document->m_columnMismatchQuestionPending =
        document->m_columnMismatch && !document->m_readFailure;
    return document;
}

std::unique_ptr<CSVDocument> CSVDocument::withRows(CSVRowList rows,
                                                   const CSVImportExportPreset &preset)
{
    auto document = std::make_unique<CSVDocument>();
    document->m_importPreset = preset;
    document->m_importPreset.setFirstRowIsHeader(false);
    document->m_exportPreset = document->m_importPreset;
    document->m_exportPreset.setTrimSpaces(false);
    document->m_rows.setRows(std::move(rows));
    document->m_numberOfColumns = document->m_rows.rowLengthRange().second;
    return document;
}

void CSVDocument::takeReadResult(const QString &path, CSVDocumentReader::Result result)
{
    // From the rows held now: a file mended since the last read asks nothing.
    m_columnMismatch = result.isRagged();
    m_columnMismatchCause =
        result.rows.empty() ? ColumnMismatchCause::EmptyFile : ColumnMismatchCause::RaggedFile;
    m_numberOfColumns = result.longest;
    m_readFailure = std::move(result.failure);
    takeReadRows(std::move(result.rows));
    // A part of the file, read-only: nothing of the user's is left to save.
    if (m_readFailure)
        m_undoManager.markClean();
    m_filePath = path;
    m_fileModificationDate = QFileInfo(path).lastModified();
}

void CSVDocument::takeReadRows(CSVRowList rows)
{
    m_firstRowArray.reset();
    if (!rows.empty() && m_importPreset.firstRowIsHeader()) {
        m_firstRowArray = std::move(rows.front());
        rows.erase(rows.begin());
    }
    CSVRowDisposal::dispose(m_rows.exchangeRows(std::move(rows)));
    m_rows.setFilteredRows(std::nullopt);
    m_displayMode = AllRowsMode;
    // The filter and the find results refer to the rows that are gone.
    m_searchField.text.clear();
    emit searchFieldResetRequested();
    resetFindResults();
    m_selection = CSVSelection();
    m_undoManager.removeAllActions();
}

bool CSVDocument::revertToContentsOfURL(const QString &path, Error *error)
{
    std::optional<CSVDocumentReader::Result> result =
        CSVDocumentReader::read(path, m_importPreset, error);
    if (!result)
        return false;
    revertWithReadResult(path, std::move(*result));
    return true;
}

void CSVDocument::revertWithReadResult(const QString &path, CSVDocumentReader::Result result)
{
    takeReadResult(path, std::move(result));
    rebuildAfterReread();
    if (m_columnMismatch && !m_readFailure)
        raiseColumnMismatchQuestion();
    m_undoManager.markClean();
}

bool CSVDocument::reopenWithEncoding(StringEncoding encoding, Error *error)
{
    std::optional<CSVDocumentReader::Result> result =
        CSVDocumentReader::read(m_filePath, importPresetWithEncoding(encoding), error);
    if (!result)
        return false;
    reopenWithReadResult(encoding, std::move(*result));
    return true;
}

CSVImportExportPreset CSVDocument::importPresetWithEncoding(StringEncoding encoding) const
{
    CSVImportExportPreset preset = m_importPreset;
    preset.setStringEncoding(encoding);
    return preset;
}

// Only rows read in the new encoding change the presets: a save must write the old rows in
// the old one.
void CSVDocument::reopenWithReadResult(StringEncoding encoding, CSVDocumentReader::Result result)
{
    m_importPreset.setStringEncoding(encoding);
    m_exportPreset.setStringEncoding(encoding);
    takeReadResult(m_filePath, std::move(result));
    rebuildAfterReread();
}

void CSVDocument::rebuildAfterReread()
{
    buildTableViewColumns();
    updateUI();
    reload();
    if (m_readFailure)
        emit readFailureRaised();
}

bool CSVDocument::insertRowsFromURL(const QString &path, const CSVImportExportPreset &preset,
                                    Error *error)
{
    std::optional<CSVDocumentReader::Result> result = CSVDocumentReader::read(path, preset, error);
    return result && insertReadRows(path, preset, std::move(*result), error);
}

bool CSVDocument::insertReadRows(const QString &path, const CSVImportExportPreset &preset,
                                 CSVDocumentReader::Result result, Error *error)
{
    if (result.failure) {
        Error::report(error, Error(CSVDocumentReader::errorDomain(), CSVDocumentReader::ReadFailed,
                                   result.failure->localizedDescription(path)));
        return false;
    }
    resetSearchField();
    CSVRowPtr titles;
    if (preset.firstRowIsHeader() && !result.rows.empty()) {
        titles = std::move(result.rows.front());
        result.rows.erase(result.rows.begin());
    }
    UndoGroup group(m_undoManager);
    if (!result.rows.empty())
        insertCSVRows(result.rows, m_rows.count());
    const auto [shortest, longest] = m_rows.rowLengthRange();
    // Numbering goes on from the positions in use, so a new column never takes the identifier
    // of a column that is still shown.
    for (qint64 position = m_numberOfColumns; position < longest; ++position) {
        CSVTableColumn column = CSVTableColumn::forPosition(position);
        if (titles && position < titles->count())
            column.setTitle(titles->at(position));
        quietInsertTableColumn(column, m_columns.count());
    }
    m_numberOfColumns = std::max(m_numberOfColumns, longest);
    m_columnMismatch = shortest != longest;
    m_columnMismatchCause = ColumnMismatchCause::InsertedRows;
    if (m_columnMismatch)
        raiseColumnMismatchQuestion();
    return true;
}

bool CSVDocument::writeToURL(const QString &path, Error *error,
                             const ZRNCSVExport::Progress &progress) const
{
    return CSVDocumentWriter::write(*this, path, error, progress);
}

bool CSVDocument::saveToURL(const QString &path, Error *error)
{
    if (!writeToURL(path, error))
        return false;
    didSaveToURL(path);
    return true;
}

void CSVDocument::didSaveToURL(const QString &path)
{
    // The file now holds what the export preset wrote: a revert must read it that way, or it
    // would take a data row for the titles, or decode the text in the wrong encoding. The
    // writer never escapes a backslash, so one must not be read as an escape either.
    CSVSavePanelChoices::fromPreset(m_exportPreset).applyTo(m_importPreset);
    m_importPreset.setBackslashEscapes(false);
    CSVRecentPresets::remember(path, m_importPreset);
    m_fileModificationDate = QFileInfo(path).lastModified();
    m_undoManager.markClean();
    if (path != m_filePath) {
        m_filePath = path;
        emit filePathChanged(path);
    }
}

void CSVDocument::saveAccessoryViewChanged(const CSVSavePanelChoices &choices)
{
    choices.applyTo(m_exportPreset);
}

void CSVDocument::raiseColumnMismatchQuestion()
{
    m_columnMismatchQuestionPending = true;
    emit columnMismatchQuestionRaised();
}

void CSVDocument::fixColumnMismatch()
{
    m_columnMismatchQuestionPending = false;
    m_columnMismatch = false;
    m_undoManager.recordNonUndoableChange();
    fixRows();
    reload();
}

void CSVDocument::openReadOnlyForColumnMismatch()
{
    m_columnMismatchQuestionPending = false;
    m_isReadOnly = true;
    updateUI();
}

void CSVDocument::setFilteredRowArrays(std::optional<CSVRowList> rows)
{
    m_rows.setFilteredRows(std::move(rows));
}

const CSVRowList &CSVDocument::displayRowArrays()
{
    if (!m_rows.hasFilter())
        m_displayMode = AllRowsMode;
    return m_rows.displayRows();
}

void CSVDocument::switchToDisplayMode(int mode)
{
    if (mode == m_displayMode)
        return;
    m_displayMode = mode;
    updateUI();
}

void CSVDocument::fixRows()
{
    m_rows.padRows(m_numberOfColumns);
}

void CSVDocument::buildTableViewColumns()
{
    const QVariantList descriptions = m_attributes.value(columnsDescriptionKey()).toList();
    setTableColumns(CSVTableColumns::build(m_numberOfColumns, m_firstRowArray.get(), descriptions));
}

void CSVDocument::setTableColumns(CSVTableColumns columns)
{
    m_columns = std::move(columns);
    m_selection.selectColumns({}, false);
    emit columnsChanged();
    buildAndSetSearchMenu();
}

qint64 CSVDocument::indexOfColumnWithIdentifier(const QString &identifier) const
{
    return m_columns.indexOfColumnWithIdentifier(identifier);
}

void CSVDocument::setColumnWidth(qint64 index, double width)
{
    m_columns[index].setWidth(width);
    emit columnsChanged();
}

void CSVDocument::setColumnContentAlignment(qint64 index, TextAlignment alignment)
{
    m_columns[index].setContentAlignment(alignment);
    emit columnsChanged();
    emit reloadData();
}

void CSVDocument::selectRowIndexes(const IndexSet &rows, bool extend)
{
    m_selection.selectRows(rows, extend);
    emit selectionChanged();
}

void CSVDocument::selectColumnIndexes(const IndexSet &columns, bool extend)
{
    m_selection.selectColumns(columns, extend);
    emit selectionChanged();
}

void CSVDocument::deselectRow(qint64 row)
{
    m_selection.deselectRows(row, 1);
    emit selectionChanged();
}

CSVRowList CSVDocument::selectedRows()
{
    const CSVRowList &visible = displayRowArrays();
    CSVRowList rows;
    rows.reserve(size_t(numberOfSelectedRows()));
    for (qint64 index : m_selection.rows())
        rows.push_back(visible.at(size_t(index)));
    return rows;
}

std::vector<CSVTableColumn> CSVDocument::selectedColumns() const
{
    std::vector<CSVTableColumn> columns;
    for (qint64 index : m_selection.columns())
        columns.push_back(m_columns.at(index));
    return columns;
}

// Reloading the table drops selected rows past the end, as a table view does.
void CSVDocument::reload(RowChange change)
{
    m_selection.limitRows(qint64(m_rows.displayRows().size()));
    // Under a filter the changed rows' places among the visible ones are not known here.
    if (m_rows.hasFilter() && change.kind != RowChange::OneRow)
        change.kind = RowChange::Everything;
    switch (change.kind) {
    case RowChange::Inserted:
        emit rowsInserted(change.first, change.count);
        break;
    case RowChange::Removed:
        emit rowsRemoved(change.first, change.count);
        break;
    case RowChange::OneRow:
        emit cellChanged(change.row, change.position);
        break;
    case RowChange::Everything:
        emit reloadData();
        break;
    }
}

void CSVDocument::removeCSVRow(const CSVRowPtr &row)
{
    const qint64 index = m_rows.indexOf(row);
    Q_ASSERT(index != NotFound);
    m_rows.takeAt(index);
    const qint64 filterIndex = m_rows.removeFromFilter(row);
    registerUndo([this, row, index, filterIndex] { reinsertCSVRow(row, index, filterIndex); });
    reload({RowChange::Removed, index, 1});
    m_selection.deselectRows(index, 1);
    emit selectionChanged();
    updateUI();
}

void CSVDocument::removeCSVRowsAtIndexes(const IndexSet &indexes)
{
    CSVRowList removed = m_rows.take(indexes);
    registerUndo([this, removed = std::move(removed), indexes] {
        insertCSVRowsAtIndexes(removed, indexes);
    });
    reload();
    m_selection.selectRows({}, false);
    emit selectionChanged();
    updateUI();
}

void CSVDocument::removeCSVRowsInRange(qint64 location, qint64 length)
{
    CSVRowList removed = m_rows.take(location, length);
    m_rows.removeFromFilterRowsLike(removed);
    registerUndo(
        [this, removed = std::move(removed), location] { insertCSVRows(removed, location); });
    reload({RowChange::Removed, location, length});
    m_selection.deselectRows(location, length);
    emit selectionChanged();
    updateUI();
}

void CSVDocument::removeCSVRows(const CSVRowList &rows)
{
    const CSVRowStore::Positions positions = m_rows.positionsOf(rows);
    CSVRowList removed = m_rows.take(positions.rows);
    CSVRowList filtered = m_rows.takeFromFilter(positions.filtered);
    registerUndo([this, removed = std::move(removed), filtered = std::move(filtered), positions] {
        reinsertCSVRows(removed, filtered, positions);
    });
    reload();
    m_selection.selectRows({}, false);
    emit selectionChanged();
    updateUI();
}

void CSVDocument::reinsertCSVRows(const CSVRowList &rows, const CSVRowList &filtered,
                                  const CSVRowStore::Positions &positions)
{
    registerUndo([this, rows] { removeCSVRows(rows); });
    m_rows.insert(rows, positions.rows);
    m_rows.insertInFilter(filtered, positions.filtered);
    reload();
    const IndexSet &shown = m_rows.hasFilter() ? positions.filtered : positions.rows;
    m_selection.selectRows(shown, true);
    emit selectionChanged();
    if (!shown.isEmpty())
        emit scrollRowToVisible(shown.firstIndex());
    updateUI();
}

void CSVDocument::replaceCSVRow(const CSVRowPtr &oldRow, const CSVRowPtr &newRow)
{
    const qint64 index = m_rows.indexOf(oldRow);
    Q_ASSERT(index != NotFound);
    registerUndo([this, oldRow, newRow] { replaceCSVRow(newRow, oldRow); });
    m_rows.replace(index, newRow);
    m_rows.replaceInFilter(oldRow, newRow);
    reload({RowChange::OneRow, 0, 0, newRow});
}

void CSVDocument::replaceCSVRows(CSVRowList oldRows, CSVRowList newRows)
{
    replaceRows(std::make_shared<const CSVRowList>(std::move(oldRows)),
                std::make_shared<const CSVRowList>(std::move(newRows)));
}

void CSVDocument::replaceRows(const SharedRows &oldRows, const SharedRows &newRows)
{
    registerUndo([this, oldRows, newRows] { replaceRows(newRows, oldRows); });
    m_rows.replace(*oldRows, *newRows);
    reload();
}

void CSVDocument::insertCSVRow(const CSVRowPtr &row, qint64 index)
{
    registerUndo([this, row] { removeCSVRow(row); });
    m_rows.insert(index, row);
    afterRowsInserted(index, 1);
}

// Undoing the removal of a row puts it back where it was in the filtered list too: a row
// that undo brings back must be seen. Without a filter this is insertCSVRow.
void CSVDocument::reinsertCSVRow(const CSVRowPtr &row, qint64 index, qint64 filterIndex)
{
    if (filterIndex == NotFound || !m_rows.hasFilter()) {
        insertCSVRow(row, index);
        return;
    }
    registerUndo([this, row] { removeCSVRow(row); });
    m_rows.insert(index, row);
    m_rows.insertInFilter(filterIndex, row);
    afterRowsInserted(filterIndex, 1);
}

void CSVDocument::insertCSVRows(const CSVRowList &rows, qint64 index)
{
    const qint64 count = qint64(rows.size());
    registerUndo([this, index, count] { removeCSVRowsInRange(index, count); });
    m_rows.insert(index, rows);
    afterRowsInserted(index, count);
}

void CSVDocument::afterRowsInserted(qint64 index, qint64 count)
{
    reload({RowChange::Inserted, index, count});
    m_selection.selectRows(IndexSet::fromRange(index, count), true);
    emit selectionChanged();
    emit scrollRowToVisible(index);
    updateUI();
}

void CSVDocument::insertCSVRowsAtIndexes(const CSVRowList &rows, const IndexSet &indexes)
{
    registerUndo([this, indexes] { removeCSVRowsAtIndexes(indexes); });
    m_rows.insert(rows, indexes);
    reload();
    m_selection.selectRows(indexes, true);
    emit selectionChanged();
    updateUI();
}

void CSVDocument::setRowsArrayUndoable(CSVRowList rows)
{
    // Moved, not copied: copying touches the reference count of every row.
    const auto previous = std::make_shared<const CSVRowList>(m_rows.exchangeRows(std::move(rows)));
    registerUndo([this, previous] { setRowsArrayUndoable(*previous); });
    reload();
    updateUI();
}

void CSVDocument::removeTableColumn(const CSVTableColumn &column)
{
    const qint64 index = indexOfColumnWithIdentifier(column.identifier());
    Q_ASSERT(index != NotFound);
    const CSVTableColumn removed = m_columns.takeAt(index);
    registerUndo([this, removed, index] { insertTableColumn(removed, index); });
    m_selection.columnRemoved(index);
    afterColumnsChanged();
}

void CSVDocument::insertTableColumn(const CSVTableColumn &column, qint64 index)
{
    insertColumn(column, index);
    m_selection.selectColumns({index}, true);
    emit selectionChanged();
    emit scrollColumnToVisible(index);
    buildAndSetSearchMenu();
}

void CSVDocument::quietInsertTableColumn(const CSVTableColumn &column, qint64 index)
{
    insertColumn(column, index);
    buildAndSetSearchMenu();
}

void CSVDocument::insertColumn(const CSVTableColumn &column, qint64 index)
{
    registerUndo([this, column] { removeTableColumn(column); });
    m_columns.insert(index, column);
    m_selection.columnInserted(index);
    emit columnsChanged();
}

void CSVDocument::afterColumnsChanged()
{
    emit columnsChanged();
    emit selectionChanged();
    buildAndSetSearchMenu();
}

void CSVDocument::moveTableColumn(qint64 from, qint64 to)
{
    registerUndo([this, from, to] { moveTableColumn(to, from); });
    // A window that answers the move with tableViewColumnDidMove must not record it again.
    m_undoColumnMoveDontTrack = true;
    m_columns.move(from, to);
    m_selection.columnMoved(from, to);
    afterColumnsChanged();
    m_undoColumnMoveDontTrack = false;
}

void CSVDocument::tableColumnSetTitle(const CSVTableColumn &column, const QString &title)
{
    const qint64 index = indexOfColumnWithIdentifier(column.identifier());
    Q_ASSERT(index != NotFound);
    const QString previous = m_columns.at(index).title();
    registerUndo([this, column, previous] { tableColumnSetTitle(column, previous); });
    m_columns[index].setTitle(title);
    emit columnsChanged();
    reload();
}

void CSVDocument::setStringValue(const QString &value, const CSVRowPtr &row, qint64 position)
{
    row->padTo(position + 1);
    const QString previous = row->at(position);
    registerUndo([this, previous, row, position] { setStringValue(previous, row, position); });
    row->set(position, value);
    reload({RowChange::OneRow, 0, 0, row, position});
}

void CSVDocument::setStringValues(const CSVCellBlock &cells)
{
    registerUndo([this, previous = cells.exchange()] { setStringValues(previous); });
    reload();
}

qint64 CSVDocument::numberOfRowsInTableView()
{
    return qint64(displayRowArrays().size());
}

QString CSVDocument::objectValueForTableColumn(qint64 column, qint64 row)
{
    return cellViewForTableColumn(column, row).toString();
}

QAnyStringView CSVDocument::cellViewForTableColumn(qint64 column, qint64 row)
{
    const qint64 position = m_columns.at(column).position();
    const CSVRowPtr &csvRow = displayRowArrays().at(size_t(row));
    if (position >= 0 && position < csvRow->count())
        return csvRow->view(position);
    static const QString s_undefined = localized("LSUndefinedContent");
    return s_undefined;
}

QAnyStringView CSVDocument::cellTextForTableColumn(qint64 column, qint64 row)
{
    const qint64 position = m_columns.at(column).position();
    const CSVRowPtr &csvRow = displayRowArrays().at(size_t(row));
    return position >= 0 && position < csvRow->count() ? csvRow->view(position) : QAnyStringView();
}

bool CSVDocument::shouldEditTableColumn(qint64, qint64) const
{
    return isEditable();
}

void CSVDocument::setObjectValueForTableColumn(const QString &text, qint64 column, qint64 row)
{
    const qint64 position = m_columns.at(column).position();
    if (!isEditable() || position < 0)
        return;
    UndoGroup group(m_undoManager);
    setStringValue(text, displayRowArrays().at(size_t(row)), position);
    m_undoManager.setActionName(QStringLiteral("LSUDDataEdited"));
}

bool CSVDocument::shouldReorderColumn(qint64, qint64) const
{
    return isEditable();
}

void CSVDocument::tableViewColumnDidMove(qint64 oldIndex, qint64 newIndex)
{
    if (m_undoColumnMoveDontTrack || oldIndex == newIndex)
        return;
    UndoGroup group(m_undoManager);
    registerUndo([this, oldIndex, newIndex] { moveTableColumn(newIndex, oldIndex); });
    m_columns.move(oldIndex, newIndex);
    m_selection.columnMoved(oldIndex, newIndex);
    emit columnsChanged();
    emit selectionChanged();
    m_undoManager.setActionName(QStringLiteral("LSUDColumnMoved"));
}

void CSVDocument::updateUI()
{
    emit uiUpdateRequested();
}

void CSVDocument::buildAndSetSearchMenu()
{
    CSVSearchFilter::buildAndSetSearchMenu(*this);
}

void CSVDocument::resetSearchField()
{
    CSVSearchFilter::resetSearchField(*this);
}

void CSVDocument::resetFindResults()
{
    CSVFindReplace::resetFindResults(*this);
}

#include "CSVFindReplace.h"

#include "document/CSVCellBlock.h"
#include "document/CSVDocument.h"
#include "document/CSVRowBuilder.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

#include <algorithm>
#include <map>

namespace {

const QString s_replacedStep = QStringLiteral("LSUDDataReplaced");

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

const CSVRowList &visibleRows(const CSVDocument &document)
{
    const CSVRowList *filtered = document.filteredRowArrays();
    return filtered ? *filtered : document.rowArrays();
}

void forget(CSVFindReplaceState &state)
{
    state.findReplaceRow = NotFound;
    state.findReplaceColumnFoundIdentifier.reset();
    state.findReplaceFoundRow.reset();
}

std::vector<qint64> cellPositions(const CSVTableColumns &columns)
{
    std::vector<qint64> positions;
    positions.reserve(size_t(columns.count()));
    for (const CSVTableColumn &column : columns.columns())
        positions.push_back(column.position());
    return positions;
}

} // namespace

CSVFindReplace::DialogValues CSVFindReplace::dialogValues(const CSVDocument &document)
{
    const UserDefaults &defaults = UserDefaults::standard();
    const CSVFindReplaceState &state = document.findReplaceState();
    DialogValues values;
    values.searchText = defaults.stringForKey(key(DefaultsKeys::SearchString));
    values.replaceText = defaults.stringForKey(key(DefaultsKeys::ReplaceString));
    values.ignoreCase = defaults.boolForKey(key(DefaultsKeys::IgnoreCase));
    values.useRegex = defaults.boolForKey(key(DefaultsKeys::UseRegex));
    values.columnIdentifier = state.findReplaceColumnIdentifier;
    values.selectedRowsOnly = state.findReplaceSelectedRowsOnly;
    return values;
}

QString CSVFindReplace::closeDialog(CSVDocument &document, int tag, const DialogValues &values)
{
    if (tag == Close)
        return {};
    UserDefaults &defaults = UserDefaults::standard();
    defaults.setObject(key(DefaultsKeys::SearchString), values.searchText);
    defaults.setObject(key(DefaultsKeys::ReplaceString), values.replaceText);
    defaults.setObject(key(DefaultsKeys::IgnoreCase), values.ignoreCase);
    defaults.setObject(key(DefaultsKeys::UseRegex), values.useRegex);

    CSVFindReplaceState &state = document.findReplaceState();
    state.findReplaceMode = tag;
    if (values.searchText != state.oldFindReplaceString)
        forget(state);
    state.oldFindReplaceString = values.searchText;
    state.findReplaceString = values.searchText;
    state.findReplaceReplaceString = values.replaceText;
    state.findReplaceColumnIdentifier = values.columnIdentifier;
    state.findReplaceIgnoreCase = values.ignoreCase;
    state.findReplaceUseRegex = values.useRegex;
    state.findReplaceSelectedRowsOnly = values.selectedRowsOnly;
    state.findReplaceSelectedRows =
        values.selectedRowsOnly ? document.selectedRows() : CSVRowList();

    CSVFindReplace search(document);
    switch (tag) {
    case Find:
    case FindNext:
        search.searchNext(true);
        search.presentSingleFindResult();
        break;
    case SelectAll:
        search.selectAllMatches();
        break;
    case ReplaceAll:
        search.replaceAll();
        break;
    default:
        break;
    }
    return search.matcher().errorDescription();
}

void CSVFindReplace::findNext(CSVDocument &document)
{
    CSVFindReplace search(document);
    search.searchNext(true);
    search.presentSingleFindResult();
}

void CSVFindReplace::replace(CSVDocument &document)
{
    CSVFindReplace(document).doReplace();
}

void CSVFindReplace::replaceAndFindNext(CSVDocument &document)
{
    CSVFindReplace search(document);
    search.doReplace();
    search.searchNext(true);
    search.presentSingleFindResult();
}

bool CSVFindReplace::hasRememberedHit(const CSVDocument &document)
{
    const CSVFindReplaceState &state = document.findReplaceState();
    const CSVRowList &visible = visibleRows(document);
    return state.findReplaceRow != NotFound && state.findReplaceRow < qint64(visible.size()) &&
           visible[size_t(state.findReplaceRow)] == state.findReplaceFoundRow.lock() &&
           state.findReplaceColumnFoundIdentifier &&
           document.indexOfColumnWithIdentifier(*state.findReplaceColumnFoundIdentifier) !=
               NotFound;
}

void CSVFindReplace::resetFindResults(CSVDocument &document)
{
    resetTableViewMarker(document);
    forget(document.findReplaceState());
}

void CSVFindReplace::resetTableViewMarker(CSVDocument &document)
{
    CSVFindReplaceState &state = document.findReplaceState();
    state.markedRows.clear();
    state.indexOfColumnToMark = NotFound;
    document.selectRowIndexes({}, false);
    emit document.findMarksChanged();
}

void CSVFindReplace::forgetMarks(CSVDocument &document)
{
    CSVFindReplaceState &state = document.findReplaceState();
    if (state.markedRows.isEmpty() && state.indexOfColumnToMark == NotFound)
        return;
    state.markedRows.clear();
    state.indexOfColumnToMark = NotFound;
    forget(state);
    emit document.findMarksChanged();
}

CSVFindReplace::CSVFindReplace(CSVDocument &document)
    : m_document(document)
    , m_state(document.findReplaceState())
    , m_matcher(m_state.findReplaceString, m_state.findReplaceIgnoreCase,
                m_state.findReplaceUseRegex)
    , m_positions(cellPositions(document.tableColumns()))
    , m_rows(rowsToWalk())
{
    if (!m_state.findReplaceColumnIdentifier.isEmpty())
        m_chosenColumn = document.indexOfColumnWithIdentifier(m_state.findReplaceColumnIdentifier);
}

IndexSet CSVFindReplace::rowsToWalk() const
{
    const CSVRowList &visible = visibleRows(m_document);
    if (m_state.findReplaceSelectedRowsOnly)
        return CSVRowStore::indexesIn(visible, m_state.findReplaceSelectedRows);
    return IndexSet::fromRange(0, qint64(visible.size()));
}

void CSVFindReplace::forgetStaleHit()
{
    if (m_state.findReplaceRow != NotFound && !hasRememberedHit(m_document))
        forgetHit();
}

void CSVFindReplace::forgetHit()
{
    forget(m_state);
    m_hitColumn = NotFound;
}

void CSVFindReplace::rememberHit(qint64 row, qint64 column)
{
    m_hitColumn = column;
    m_state.findReplaceRow = row;
    m_state.findReplaceColumnFoundIdentifier = m_document.tableColumns().at(column).identifier();
    m_state.findReplaceFoundRow = visibleRows(m_document)[size_t(row)];
}

bool CSVFindReplace::cellMatches(qint64 row, qint64 column)
{
    const CSVRow &cells = *visibleRows(m_document)[size_t(row)];
    const qint64 position = m_positions[size_t(column)];
    return position >= 0 && position < cells.count() && m_matcher.matches(cells.view(position));
}

// The walk goes row by row, and within a row from left to right in display order. With one
// column chosen each row has one cell to test, so it goes on in the row after the hit; with all
// columns it goes on right of the hit.
bool CSVFindReplace::searchNext(bool recursive)
{
    if (m_hitColumn == NotFound)
        forgetStaleHit();
    const bool isRemembered = m_state.findReplaceRow != NotFound;
    qint64 row = isRemembered ? m_state.findReplaceRow : 0;
    qint64 first = 0;
    qint64 end = qint64(m_positions.size());
    qint64 column = 0;
    if (m_chosenColumn) {
        first = *m_chosenColumn;
        end = first == NotFound ? 0 : first + 1;
        row += isRemembered ? 1 : 0;
        column = first;
    } else if (isRemembered) {
        column = (m_hitColumn != NotFound ? m_hitColumn
                                          : m_document.indexOfColumnWithIdentifier(
                                                *m_state.findReplaceColumnFoundIdentifier)) +
                 1;
    }
    const std::vector<IndexSet::Range> &ranges = m_rows.ranges();
    auto range = std::partition_point(ranges.begin(), ranges.end(),
                                      [row](const IndexSet::Range &r) { return r.end() <= row; });
    for (; m_matcher.isValid() && range != ranges.end(); ++range) {
        if (range->location > row) {
            row = range->location;
            column = first;
        }
        for (; row < range->end(); ++row, column = first) {
            for (; column < end; ++column) {
                if (cellMatches(row, column)) {
                    rememberHit(row, column);
                    return true;
                }
            }
        }
    }
    forgetHit();
    return recursive && searchNext(false);
}

void CSVFindReplace::doReplace()
{
    forgetStaleHit();
    if (m_state.findReplaceRow == NotFound || !m_document.isEditable())
        return;
    const CSVRowPtr row = visibleRows(m_document)[size_t(m_state.findReplaceRow)];
    const qint64 position = m_state.findReplaceColumnFoundIdentifier->toLongLong();
    const std::optional<QString> text =
        m_matcher.replaced(row->objectAtIndex(position), m_state.findReplaceReplaceString);
    if (!text)
        return;
    UndoGroup group(m_document.undoManager());
    m_document.setStringValue(*text, row, position);
    m_document.undoManager().setActionName(s_replacedStep);
}

void CSVFindReplace::presentSingleFindResult()
{
    forgetStaleHit();
    if (m_state.findReplaceRow == NotFound) {
        resetTableViewMarker(m_document);
        emit m_document.findFailed();
        return;
    }
    const qint64 row = m_state.findReplaceRow;
    const qint64 column =
        m_document.indexOfColumnWithIdentifier(*m_state.findReplaceColumnFoundIdentifier);
    m_state.markedRows = IndexSet{row};
    m_state.indexOfColumnToMark = column;
    m_document.selectRowIndexes({row}, false);
    emit m_document.scrollRowToVisible(row);
    emit m_document.scrollColumnToVisible(column);
    emit m_document.findMarksChanged();
}

void CSVFindReplace::selectAllMatches()
{
    forgetHit();
    resetTableViewMarker(m_document);
    IndexSet rows;
    while (searchNext(false))
        rows.add(m_state.findReplaceRow);
    m_state.markedRows = rows;
    m_document.selectRowIndexes(rows, false);
    emit m_document.findMarksChanged();
}

// The walk finds the cells and their new texts; they are stored at the end, a block of cells
// per column, as one undo step that keeps the old texts compactly.
void CSVFindReplace::replaceAll()
{
    forgetHit();
    resetTableViewMarker(m_document);
    if (!m_document.isEditable())
        return;
    struct Replacements
    {
        CSVRowList rows;
        CSVRowBuilder texts;
    };
    std::map<qint64, Replacements> byPosition;
    IndexSet marked;
    while (searchNext(false)) {
        marked.add(m_state.findReplaceRow);
        const CSVRowPtr &row = visibleRows(m_document)[size_t(m_state.findReplaceRow)];
        const qint64 position = m_state.findReplaceColumnFoundIdentifier->toLongLong();
        const std::optional<QString> text =
            m_matcher.replaced(row->at(position), m_state.findReplaceReplaceString);
        if (!text)
            continue;
        Replacements &replacements = byPosition[position];
        replacements.rows.push_back(row);
        replacements.texts.appendField(*text);
    }
    m_state.markedRows = marked;
    emit m_document.findMarksChanged();
    if (byPosition.empty())
        return;
    UndoGroup group(m_document.undoManager());
    for (auto &[position, replacements] : byPosition) {
        m_document.setStringValues(
            CSVCellBlock(std::make_shared<const CSVRowList>(std::move(replacements.rows)),
                         {position}, CSVRow(replacements.texts)));
    }
    m_document.undoManager().setActionName(s_replacedStep);
}

#pragma once

#include "CSVCellMatcher.h"

#include "document/CSVRow.h"

#include "foundation/IndexSet.h"
#include "foundation/NotFound.h"

#include <QString>

#include <optional>
#include <vector>

class CSVDocument;
struct CSVFindReplaceState;

// Find and replace on a document: the walk over the visible rows, cell by cell in the table's
// display order, that remembers the last cell found and wraps around once; replacing in that
// cell; selecting every row with a match; replacing in every matching cell.
//
// A document that is read-only refuses every replacement, as it refuses every other edit.
class CSVFindReplace
{
public:
    // The dialog's controls; the tags of its buttons.
    struct DialogValues
    {
        QString searchText;
        QString replaceText;
        QString columnIdentifier; // empty for all columns
        bool ignoreCase = false;
        bool useRegex = false;
        bool selectedRowsOnly = false;
    };
    enum Tag { Close = 0, Find = 1, SelectAll = 3, FindNext = 4, ReplaceAll = 5 };

    // What the dialog shows when it opens: the texts and boxes of the last use by any document,
    // the column and the selected-rows box of this one.
    static DialogValues dialogValues(const CSVDocument &document);
    // The dialog closed by the button with this tag: stores the choices and acts. Answers why an
    // invalid regular expression found nothing, or an empty text.
    static QString closeDialog(CSVDocument &document, int tag, const DialogValues &values);

    // The menu's commands after a find: the next cell, replacing in the cell found, both.
    static void findNext(CSVDocument &document);
    static void replace(CSVDocument &document);
    static void replaceAndFindNext(CSVDocument &document);

    // Whether a hit is remembered that still stands where it was found.
    static bool hasRememberedHit(const CSVDocument &document);
    // Removes the marks and the row selection, then forgets the hit.
    static void resetFindResults(CSVDocument &document);
    static void resetTableViewMarker(CSVDocument &document);
    // The visible rows are others now (the filter changed): the marks and the hit point at
    // visible places, so they would sit on other rows. Forgets both; the selection stays.
    static void forgetMarks(CSVDocument &document);

    explicit CSVFindReplace(CSVDocument &document);

    // Moves the remembered hit to the next matching cell; when none is left below it and
    // recursive, starts once more from the top. Answers whether a cell was found.
    bool searchNext(bool recursive);
    // Replaces in the remembered cell, as one undo step.
    void doReplace();
    void presentSingleFindResult();
    void selectAllMatches();
    void replaceAll();

    const CSVCellMatcher &matcher() const { return m_matcher; }

private:
    void forgetStaleHit();
    void forgetHit();
    void rememberHit(qint64 row, qint64 column);
    // The visible rows the walk covers: all, or those selected when the dialog closed.
    IndexSet rowsToWalk() const;
    bool cellMatches(qint64 row, qint64 column);

    CSVDocument &m_document;
    CSVFindReplaceState &m_state;
    CSVCellMatcher m_matcher;
    // The cell position of each column, in display order.
    std::vector<qint64> m_positions;
    IndexSet m_rows;
    // The display position of the one column searched; every column when absent.
    std::optional<qint64> m_chosenColumn;
    // The display position of the hit this walk found last: it needs no checking.
    qint64 m_hitColumn = NotFound;
};

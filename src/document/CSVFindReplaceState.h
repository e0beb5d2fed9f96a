#pragma once

#include "CSVRow.h"

#include "foundation/IndexSet.h"
#include "foundation/NotFound.h"

#include <QString>

#include <memory>
#include <optional>

// What the find-and-replace dialog remembers per document between its uses, and the marks a
// find shows in the window.
struct CSVFindReplaceState
{
    QString oldFindReplaceString;
    QString findReplaceString;
    QString findReplaceReplaceString;
    QString findReplaceColumnIdentifier;
    qint64 findReplaceMode = NotFound;
    bool findReplaceIgnoreCase = false;
    bool findReplaceUseRegex = false;
    bool findReplaceSelectedRowsOnly = false;
    qint64 findReplaceRow = NotFound;
    std::optional<QString> findReplaceColumnFoundIdentifier;
    // The row object of the remembered hit: when another row stands at findReplaceRow now, the
    // hit is stale and counts as forgotten.
    std::weak_ptr<CSVRow> findReplaceFoundRow;
    // The rows selected when the dialog closed last; with findReplaceSelectedRowsOnly the
    // search walks only these.
    CSVRowList findReplaceSelectedRows;

    // Ruler markers on these visible rows (shown counted from 1), and the display position of
    // the tinted column header, or the not-found index.
    IndexSet markedRows;
    qint64 indexOfColumnToMark = NotFound;
};

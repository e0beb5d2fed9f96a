#pragma once

#include "foundation/NotFound.h"

#include <QString>

#include <optional>

// What the find-and-replace dialog remembers per document between its uses.
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
};

#pragma once

#include <QString>

// What the command sheets remember between uses, per document: a sheet opens with what the
// user chose the last time. The numbers are the tags of the sheets' radio buttons.
struct CSVCommandChoices
{
    enum class RowPlacement { AtBeginning = 0, AtEnd = 1, BeforeFirstSelectedRow = 2 };
    enum class ColumnPlacement { AtBeginning = 0, AtEnd = 1, BeforeColumn = 2, AfterColumn = 3 };
    enum class MergeSeparator { Nothing = 0, Blank = 1, Text = 2 };

    RowPlacement insertRowsPlacement = RowPlacement::AtBeginning;
    ColumnPlacement insertColumnsPlacement = ColumnPlacement::AtBeginning;
    bool fillInsertsSeparator = false;
    bool sortAscending = true;
    bool sortComparesNumbers = false;
    MergeSeparator mergeSeparator = MergeSeparator::Nothing;
    QString mergeSeparatorText;
    bool mergeRemovesSources = false;
};

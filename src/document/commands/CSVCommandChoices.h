#pragma once

// What the insert sheets remember between uses, per document: a sheet opens with the place
// the user chose the last time. The numbers are the tags of the sheets' radio buttons.
struct CSVCommandChoices
{
    enum class RowPlacement { AtBeginning = 0, AtEnd = 1, BeforeFirstSelectedRow = 2 };
    enum class ColumnPlacement { AtBeginning = 0, AtEnd = 1, BeforeColumn = 2, AfterColumn = 3 };

    RowPlacement insertRowsPlacement = RowPlacement::AtBeginning;
    ColumnPlacement insertColumnsPlacement = ColumnPlacement::AtBeginning;
};

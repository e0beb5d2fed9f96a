#pragma once

#include "document/CSVTableColumns.h"

#include <QString>

#include <optional>
#include <vector>

// The column menu of the search field: item 0 stands for all columns, item 1 is a separator,
// and from item 2 on each item stands for one column, in display order, carrying its
// identifier. Every item is on or off.
class CSVSearchMenu
{
public:
    struct Item
    {
        QString title;
        std::optional<QString> identifier;
        bool isSeparator = false;
        bool isOn = false;

        bool operator==(const Item &) const = default;
    };

    // All columns on, no column ticked. Rebuilding therefore always returns to all columns.
    static CSVSearchMenu build(const CSVTableColumns &columns);

    const std::vector<Item> &items() const { return m_items; }
    bool isEmpty() const { return m_items.empty(); }

    // The user chose an item: all columns unticks every column; a column toggles its tick, and
    // all columns is on exactly when no column is ticked.
    void select(qsizetype index);

    // The cell positions of the ticked columns; none when all columns are searched.
    std::optional<std::vector<qint64>> tickedPositions() const;

private:
    std::vector<Item> m_items;
};

#pragma once

#include "CSVTableColumn.h"

#include "foundation/IndexSet.h"

#include <QVariantList>

#include <vector>

class CSVRow;

// The shown columns of a document in display order (left to right).
class CSVTableColumns
{
public:
    // One column per cell position, in position order. An entry of the copied-columns
    // description list ("name", "width", "contentAlignment") gives a position its column;
    // otherwise it is titled from the header row, or with its number.
    static CSVTableColumns build(qint64 numberOfColumns, const CSVRow *headerRow,
                                 const QVariantList &descriptions);

    CSVTableColumns() = default;
    explicit CSVTableColumns(std::vector<CSVTableColumn> columns) : m_columns(std::move(columns)) {}

    qint64 count() const { return qint64(m_columns.size()); }
    bool isEmpty() const { return m_columns.empty(); }
    const CSVTableColumn &at(qint64 index) const { return m_columns.at(size_t(index)); }
    CSVTableColumn &operator[](qint64 index) { return m_columns.at(size_t(index)); }
    const std::vector<CSVTableColumn> &columns() const { return m_columns; }

    // The display index of the first column with the identifier, or the not-found index.
    qint64 indexOfColumnWithIdentifier(const QString &identifier) const;
    // The cell positions of all data columns.
    IndexSet indexSetWithColumnIndex() const;

    void insert(qint64 index, const CSVTableColumn &column);
    CSVTableColumn takeAt(qint64 index);
    void move(qint64 from, qint64 to);

private:
    std::vector<CSVTableColumn> m_columns;
};

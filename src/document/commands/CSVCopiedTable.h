#pragma once

#include "document/CSVRow.h"

#include <QByteArrayView>

#include <string>
#include <vector>

// What a copy takes: these rows cut to these cell positions, in this order (the shown columns'
// order at the time of the copy). A position past the end of a short row gives the empty text.
class CSVCopiedTable
{
public:
    // One row's cells as UTF-8.
    using Cells = std::vector<QByteArrayView>;

    CSVCopiedTable(const CSVRowList &rows, std::vector<qint64> positions)
        : m_rows(rows), m_positions(std::move(positions))
    {}

    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    qsizetype columnCount() const { return qsizetype(m_positions.size()); }

    // Calls visit with the cells of every row in turn, as views valid during the call only.
    // Every clipboard flavour is UTF-8, so the cells are converted once, straight from the
    // rows' storage; a row of ASCII text is not converted at all.
    template<typename Visit>
    void forEachRow(Visit &&visit) const
    {
        std::string buffer;
        Cells cells(m_positions.size());
        for (const CSVRowPtr &row : m_rows) {
            utf8Cells(*row, cells, buffer);
            visit(cells);
        }
    }

private:
    void utf8Cells(const CSVRow &row, Cells &cells, std::string &buffer) const;

    const CSVRowList &m_rows;
    std::vector<qint64> m_positions;
};

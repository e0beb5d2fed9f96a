#pragma once

#include "document/CSVRow.h"

#include <QStringView>

#include <string>
#include <vector>

// What a copy takes: these rows cut to these cell positions, in this order (the shown columns'
// order at the time of the copy). A position past the end of a short row gives the empty text.
class CSVCopiedTable
{
public:
    CSVCopiedTable(const CSVRowList &rows, std::vector<qint64> positions)
        : m_rows(rows), m_positions(std::move(positions))
    {}

    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    qsizetype columnCount() const { return qsizetype(m_positions.size()); }

    // Calls visit with the cells of every row in turn, as views valid during the call only.
    template<typename Visit>
    void forEachRow(Visit &&visit) const
    {
        std::u16string scratch;
        std::vector<QStringView> cells(m_positions.size());
        for (const CSVRowPtr &row : m_rows) {
            const CSVRow::TextView text = row->textView(scratch);
            for (size_t i = 0; i < m_positions.size(); ++i)
                cells[i] = m_positions[i] < text.count() ? text.at(m_positions[i]) : QStringView();
            visit(cells);
        }
    }

private:
    const CSVRowList &m_rows;
    std::vector<qint64> m_positions;
};

#pragma once

#include "CSVRow.h"

#include <functional>
#include <memory>
#include <vector>

// The cells at the same positions in many rows, with a text for each: what a command writes into
// whole columns, and what its undo puts back. The texts live in one compact row, so a column of
// a million cells costs its characters and four bytes a cell, not an allocation per cell.
class CSVCellBlock
{
public:
    // The text for row r at the p-th position is cell r * positions.size() + p of texts.
    CSVCellBlock(std::shared_ptr<const CSVRowList> rows, std::vector<qint64> positions,
                 CSVRow texts);

    // The new text of a cell from its row (the cell itself may lie past the end of a short
    // row), the row's index among the rows and the cell's position. The view answered must stay
    // valid until the next call.
    using CellText =
        std::function<QStringView(const CSVRow &row, qsizetype rowIndex, qint64 position)>;
    // The block of every row at the positions, with the texts text answers, asked for row by row
    // and position by position in the order given.
    static CSVCellBlock computed(const CSVRowList &rows, std::vector<qint64> positions,
                                 const CellText &text);

    // Writes the texts into the rows, a short row first growing to hold the cells, and answers
    // the block of the texts it replaced.
    CSVCellBlock exchange() const;

private:
    std::shared_ptr<const CSVRowList> m_rows;
    std::vector<qint64> m_positions;
    std::shared_ptr<const CSVRow> m_texts;
};

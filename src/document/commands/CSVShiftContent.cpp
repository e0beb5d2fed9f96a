#include "CSVShiftContent.h"

#include "document/CSVDocument.h"
#include "document/CSVRowBuilder.h"

#include <algorithm>

namespace CSVShiftContent {

namespace {

enum class Move { Shift, Rotate };

// The shown cells S of a row, in display order, after the move.
void moveCells(std::vector<QStringView> &shown, Move move, bool toTheLeft)
{
    if (shown.empty())
        return;
    if (toTheLeft) {
        std::rotate(shown.begin(), shown.begin() + 1, shown.end());
        if (move == Move::Shift)
            shown.back() = QStringView();
    } else {
        std::rotate(shown.rbegin(), shown.rbegin() + 1, shown.rend());
        if (move == Move::Shift)
            shown.front() = QStringView();
    }
}

class RowMover
{
public:
    RowMover(std::vector<qint64> positions, Move move, bool toTheLeft)
        : m_positions(std::move(positions))
        , m_move(move)
        , m_toTheLeft(toTheLeft)
        , m_length(m_positions.empty() ? 0 : *std::ranges::max_element(m_positions) + 1)
    {}

    // A copy of the row with the shown cells moved; a short row grows to hold them.
    CSVRowPtr moved(const CSVRow &row)
    {
        const CSVRow::TextView cells = row.textView(m_scratch);
        const qint64 length = std::max<qint64>(cells.count(), m_length);
        m_cells.assign(size_t(length), QStringView());
        for (qint64 i = 0; i < cells.count(); ++i)
            m_cells[size_t(i)] = cells.at(i);
        m_shown.clear();
        for (const qint64 position : m_positions)
            m_shown.push_back(m_cells[size_t(position)]);
        moveCells(m_shown, m_move, m_toTheLeft);
        for (size_t i = 0; i < m_positions.size(); ++i)
            m_cells[size_t(m_positions[i])] = m_shown[i];
        m_builder.clear();
        for (const QStringView cell : m_cells)
            m_builder.appendField(cell);
        return m_builder.makeRow();
    }

private:
    std::vector<qint64> m_positions;
    Move m_move;
    bool m_toTheLeft;
    qint64 m_length;
    std::u16string m_scratch;
    std::vector<QStringView> m_cells;
    std::vector<QStringView> m_shown;
    CSVRowBuilder m_builder;
};

std::vector<qint64> shownPositions(const CSVDocument &document)
{
    std::vector<qint64> positions;
    for (const CSVTableColumn &column : document.tableColumns().columns()) {
        if (column.isDataColumn())
            positions.push_back(column.position());
    }
    return positions;
}

void moveContent(CSVDocument &document, Move move, int tag, const QString &stepName)
{
    CSVRowList rows = document.selectedRows();
    if (rows.empty())
        return;
    RowMover mover(shownPositions(document), move, tag == 0);
    CSVRowList moved;
    moved.reserve(rows.size());
    for (const CSVRowPtr &row : rows)
        moved.push_back(mover.moved(*row));
    UndoGroup group(document.undoManager());
    document.replaceCSVRows(std::move(rows), std::move(moved));
    document.undoManager().setActionName(stepName);
}

} // namespace

void shiftContent(CSVDocument &document, int tag)
{
    moveContent(document, Move::Shift, tag, QStringLiteral("LSUDShiftRows"));
}

void rotateContent(CSVDocument &document, int tag)
{
    moveContent(document, Move::Rotate, tag, QStringLiteral("LSUDRotateRows"));
}

} // namespace CSVShiftContent

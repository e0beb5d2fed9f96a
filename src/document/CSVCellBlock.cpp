#include "CSVCellBlock.h"

#include "CSVRowBuilder.h"

#include <algorithm>

CSVCellBlock::CSVCellBlock(std::shared_ptr<const CSVRowList> rows, std::vector<qint64> positions,
                           CSVRow texts)
    : m_rows(std::move(rows))
    , m_positions(std::move(positions))
    , m_texts(std::make_shared<const CSVRow>(std::move(texts)))
{
    Q_ASSERT(m_texts->count() == qsizetype(m_rows->size() * m_positions.size()));
}

CSVCellBlock CSVCellBlock::computed(const CSVRowList &rows, std::vector<qint64> positions,
                                    const CellText &text)
{
    CSVRowBuilder texts;
    std::u16string scratch;
    for (size_t index = 0; index < rows.size(); ++index) {
        const CSVRow::TextView cells = rows[index]->textView(scratch);
        for (const qint64 position : positions)
            texts.appendField(text(cells, qsizetype(index), position));
    }
    return CSVCellBlock(std::make_shared<const CSVRowList>(rows), std::move(positions),
                        CSVRow(texts));
}

QStringView CSVCellBlock::cellAt(const CSVRow::TextView &cells, qint64 position)
{
    return position < cells.count() ? cells.at(position) : QStringView();
}

CSVCellBlock CSVCellBlock::exchange() const
{
    const qint64 longest = m_positions.empty() ? 0 : *std::ranges::max_element(m_positions) + 1;
    CSVRowBuilder previous;
    std::u16string scratch;
    std::u16string rowScratch;
    const CSVRow::TextView texts = m_texts->textView(scratch);
    qsizetype next = 0;
    for (const CSVRowPtr &row : *m_rows) {
        row->padTo(longest);
        const CSVRow::TextView cells = row->textView(rowScratch);
        for (const qint64 position : m_positions)
            previous.appendField(cells.at(position));
        for (const qint64 position : m_positions)
            row->set(position, texts.at(next++));
    }
    return CSVCellBlock(m_rows, m_positions, CSVRow(previous));
}

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
    for (size_t index = 0; index < rows.size(); ++index) {
        for (const qint64 position : positions)
            texts.appendField(text(*rows[index], qsizetype(index), position));
    }
    return CSVCellBlock(std::make_shared<const CSVRowList>(rows), std::move(positions),
                        CSVRow(texts));
}

CSVCellBlock CSVCellBlock::exchange() const
{
    const qint64 longest = m_positions.empty() ? 0 : *std::ranges::max_element(m_positions) + 1;
    CSVRowBuilder previous;
    std::u16string scratch;
    qsizetype next = 0;
    for (const CSVRowPtr &row : *m_rows) {
        row->padTo(longest);
        for (const qint64 position : m_positions) {
            previous.appendField(row->utf16At(position, scratch));
            row->set(position, m_texts->utf16At(next++, scratch));
        }
    }
    return CSVCellBlock(m_rows, m_positions, CSVRow(previous));
}

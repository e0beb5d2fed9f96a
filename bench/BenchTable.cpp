#include "BenchTable.h"

#include "foundation/Error.h"

BenchTable::BenchTable() : m_rowStarts{0} {}

qsizetype BenchTable::columnCount(qsizetype row) const
{
    return m_rowStarts[row + 1] - m_rowStarts[row];
}

QStringView BenchTable::cell(qsizetype row, qsizetype column) const
{
    const qsizetype index = m_rowStarts[row] + column;
    const qsizetype start = index == 0 ? 0 : m_cellEnds[index - 1];
    return QStringView(m_text).sliced(start, m_cellEnds[index] - start);
}

void BenchTable::parserDidReadField(ZRNCSVParser &, QStringView field)
{
    m_text.append(field);
    m_cellEnds.push_back(m_text.size());
}

void BenchTable::parserDidEndLine(ZRNCSVParser &, qint64)
{
    m_rowStarts.push_back(qsizetype(m_cellEnds.size()));
}

void BenchTable::parserDidFailWithError(ZRNCSVParser &, const Error &error)
{
    m_failure = error.localizedDescription();
}

#pragma once

#include "csv/ZRNCSVParserDelegate.h"
#include "csv/ZRNCSVRowSource.h"

#include <QString>

#include <vector>

// Collects what a parser reads into one block of text with the cells' offsets, and serves it
// back as rows: compact, as a document keeps its rows, so that the writer is measured on rows
// laid out as it meets them in the product rather than on a million separate lists.
class BenchTable : public ZRNCSVParserDelegate, public ZRNCSVRowSource
{
public:
    BenchTable();

    // The parse's failure, or an empty text.
    const QString &failure() const { return m_failure; }

    qsizetype rowCount() const override { return qsizetype(m_rowStarts.size()) - 1; }
    qsizetype columnCount(qsizetype row) const override;
    QStringView cell(qsizetype row, qsizetype column) const override;

    void parserDidStartDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidStartLine(ZRNCSVParser &, qint64) override {}
    void parserDidReadField(ZRNCSVParser &parser, QStringView field) override;
    void parserDidEndLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidEndDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidFailWithError(ZRNCSVParser &parser, const Error &error) override;

private:
    QString m_text;
    std::vector<qsizetype> m_cellEnds;  // offset in m_text where each cell ends
    std::vector<qsizetype> m_rowStarts; // index in m_cellEnds of each row's first cell, and one
                                        // past the last row
    QString m_failure;
};

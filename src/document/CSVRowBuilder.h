#pragma once

#include "CSVRow.h"
#include "CSVRowSlabs.h"

#include <QByteArrayView>
#include <QStringView>

#include <string>
#include <vector>

// Collects the fields of one line as the parser reports them, in buffers kept from row to row,
// and makes the compact row at the end of the line.
class CSVRowBuilder
{
public:
    void clear();
    void appendField(QStringView field);
    // The field in UTF-8; false, and the row left unusable, when it is not valid UTF-8. A byte
    // order mark is kept as text.
    bool appendUtf8Field(QByteArrayView field);

    qsizetype count() const { return qsizetype(m_ends.size()); }

    CSVRowPtr makeRow() const { return std::make_shared<CSVRow>(*this); }
    // The row and its cells in the slabs.
    CSVRowPtr makeRow(CSVRowSlabs &slabs) const
    {
        const CSVRowSlabs::Filling filling(slabs);
        return std::allocate_shared<CSVRow>(CSVRowSlabAllocator<CSVRow>(), *this, &slabs);
    }

    const std::u16string &text() const { return m_text; }
    const std::vector<quint32> &ends() const { return m_ends; }

private:
    std::u16string m_text;
    std::vector<quint32> m_ends;
};

#include "CSVRowBuilder.h"

void CSVRowBuilder::clear()
{
    m_text.clear();
    m_ends.clear();
}

void CSVRowBuilder::appendField(QStringView field)
{
    m_text.append(field.utf16(), size_t(field.size()));
    m_ends.push_back(quint32(m_text.size()));
}

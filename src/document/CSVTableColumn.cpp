#include "CSVTableColumn.h"

#include <algorithm>
#include <utility>

CSVTableColumn::CSVTableColumn(QString title, QString identifier, double width,
                               TextAlignment contentAlignment)
    : m_title(std::move(title))
    , m_identifier(std::move(identifier))
    , m_width(std::max(width, s_minimumWidth))
    , m_contentAlignment(contentAlignment)
{}

CSVTableColumn CSVTableColumn::forPosition(qint64 position)
{
    return CSVTableColumn(QString::number(position + 1), QString::number(position));
}

void CSVTableColumn::setWidth(double width)
{
    m_width = std::max(width, s_minimumWidth);
}

bool CSVTableColumn::isDataColumn() const
{
    return m_identifier != QLatin1String(s_rowTitleIdentifier);
}

qint64 CSVTableColumn::position() const
{
    if (!isDataColumn())
        return -1;
    bool ok = false;
    const qint64 value = m_identifier.toLongLong(&ok);
    return ok ? value : -1;
}

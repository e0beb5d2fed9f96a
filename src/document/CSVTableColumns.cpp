#include "CSVTableColumns.h"

#include "CSVRow.h"

#include "foundation/NotFound.h"

#include <QVariantMap>

#include <algorithm>

CSVTableColumns CSVTableColumns::build(qint64 numberOfColumns, const CSVRow *headerRow,
                                       const QVariantList &descriptions)
{
    CSVTableColumns built;
    for (qint64 position = 0; position < numberOfColumns; ++position) {
        const QString identifier = QString::number(position);
        if (position < descriptions.size()) {
            const QVariantMap description = descriptions.at(position).toMap();
            built.m_columns.emplace_back(
                description.value(QStringLiteral("name")).toString(), identifier,
                description.value(QStringLiteral("width")).toDouble(),
                TextAlignment(description.value(QStringLiteral("contentAlignment")).toUInt()));
        } else if (headerRow && headerRow->count() > position) {
            built.m_columns.emplace_back(headerRow->at(position), identifier);
        } else {
            built.m_columns.push_back(CSVTableColumn::forPosition(position));
        }
    }
    return built;
}

qint64 CSVTableColumns::indexOfColumnWithIdentifier(const QString &identifier) const
{
    const auto it = std::find_if(m_columns.begin(), m_columns.end(), [&](const CSVTableColumn &c) {
        return c.identifier() == identifier;
    });
    return it == m_columns.end() ? NotFound : qint64(it - m_columns.begin());
}

IndexSet CSVTableColumns::indexSetWithColumnIndex() const
{
    IndexSet positions;
    for (const CSVTableColumn &column : m_columns) {
        if (column.position() >= 0)
            positions.add(column.position());
    }
    return positions;
}

void CSVTableColumns::insert(qint64 index, const CSVTableColumn &column)
{
    m_columns.insert(m_columns.begin() + index, column);
}

CSVTableColumn CSVTableColumns::takeAt(qint64 index)
{
    CSVTableColumn column = m_columns.at(size_t(index));
    m_columns.erase(m_columns.begin() + index);
    return column;
}

void CSVTableColumns::move(qint64 from, qint64 to)
{
    if (from == to)
        return;
    insert(to, takeAt(from));
}

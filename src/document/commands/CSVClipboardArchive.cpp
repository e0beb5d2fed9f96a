#include "CSVClipboardArchive.h"

#include "document/CSVRowBuilder.h"

#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QVariantMap>

#include <cmath>

namespace CSVClipboardArchive {

namespace {

const QString s_columnsKey = QStringLiteral("columns");
const QString s_rowsKey = QStringLiteral("rows");
const QString s_nameKey = QStringLiteral("name");
const QString s_widthKey = QStringLiteral("width");
const QString s_alignmentKey = QStringLiteral("contentAlignment");

void writeRowArray(QCborStreamWriter &writer, const CSVCopiedTable &table)
{
    writer.startArray(quint64(table.rowCount()));
    table.forEachRow([&](const std::vector<QStringView> &cells) {
        writer.startArray(quint64(cells.size()));
        for (QStringView cell : cells)
            writer.append(cell);
        writer.endArray();
    });
    writer.endArray();
}

bool readString(QCborStreamReader &reader, QString &text)
{
    if (!reader.isString())
        return false;
    text.resize(0);
    QCborStreamReader::StringResult<QString> chunk = reader.readString();
    for (; chunk.status == QCborStreamReader::Ok; chunk = reader.readString())
        text += chunk.data;
    return chunk.status == QCborStreamReader::EndOfString;
}

// Reads an array of arrays of strings into rows.
bool readRowArray(QCborStreamReader &reader, CSVRowList &rows)
{
    if (!reader.isArray() || !reader.enterContainer())
        return false;
    CSVRowBuilder builder;
    QString cell;
    while (reader.hasNext()) {
        if (!reader.isArray() || !reader.enterContainer())
            return false;
        builder.clear();
        while (reader.hasNext()) {
            if (!readString(reader, cell))
                return false;
            builder.appendField(cell);
        }
        if (!reader.leaveContainer())
            return false;
        rows.push_back(builder.makeRow());
    }
    return reader.lastError() == QCborError::NoError && reader.leaveContainer();
}

bool readNumber(QCborStreamReader &reader, QVariant &number)
{
    if (reader.isDouble())
        number = reader.toDouble();
    else if (reader.isFloat())
        number = double(reader.toFloat());
    else if (reader.isUnsignedInteger())
        number = quint64(reader.toUnsignedInteger());
    else
        return false;
    return reader.next();
}

// Widths and alignments another program wrote may be anything; such values are left out.
bool isSound(const QString &key, const QVariant &value)
{
    if (key == s_widthKey)
        return std::isfinite(value.toDouble()) && value.toDouble() > 0;
    if (key == s_alignmentKey)
        return value.toULongLong() <= quint64(TextAlignment::Center);
    return value.isValid();
}

bool readDescription(QCborStreamReader &reader, QVariantMap &description)
{
    if (!reader.isMap() || !reader.enterContainer())
        return false;
    QString key;
    while (reader.hasNext()) {
        if (!readString(reader, key))
            return false;
        QVariant value;
        if (key == s_nameKey) {
            QString name;
            if (!readString(reader, name))
                return false;
            value = name;
        } else if (key == s_widthKey || key == s_alignmentKey) {
            if (!readNumber(reader, value))
                return false;
        } else if (!reader.next()) {
            return false;
        }
        if (isSound(key, value))
            description.insert(key, value);
    }
    return reader.lastError() == QCborError::NoError && reader.leaveContainer();
}

bool readDescriptions(QCborStreamReader &reader, QVariantList &descriptions)
{
    if (!reader.isArray() || !reader.enterContainer())
        return false;
    while (reader.hasNext()) {
        QVariantMap description;
        if (!readDescription(reader, description))
            return false;
        descriptions.append(description);
    }
    return reader.lastError() == QCborError::NoError && reader.leaveContainer();
}

bool readBundle(QCborStreamReader &reader, ColumnBundle &bundle)
{
    if (!reader.isMap() || !reader.enterContainer())
        return false;
    bool hasColumns = false;
    bool hasRows = false;
    QString key;
    while (reader.hasNext()) {
        if (!readString(reader, key))
            return false;
        if (key == s_columnsKey) {
            hasColumns = readDescriptions(reader, bundle.columns);
            if (!hasColumns)
                return false;
        } else if (key == s_rowsKey) {
            hasRows = readRowArray(reader, bundle.rows);
            if (!hasRows)
                return false;
        } else if (!reader.next()) {
            return false;
        }
    }
    return hasColumns && hasRows && reader.lastError() == QCborError::NoError &&
           reader.leaveContainer();
}

template<typename Result>
std::optional<Result> readWhole(const QByteArray &data, bool (*read)(QCborStreamReader &, Result &))
{
    QCborStreamReader reader(data);
    Result result;
    if (!read(reader, result))
        return std::nullopt;
    return result;
}

} // namespace

QByteArray writeRows(const CSVCopiedTable &table)
{
    QByteArray data;
    QCborStreamWriter writer(&data);
    writeRowArray(writer, table);
    return data;
}

QByteArray writeColumns(const std::vector<CSVTableColumn> &columns, const CSVCopiedTable &table)
{
    QByteArray data;
    QCborStreamWriter writer(&data);
    writer.startMap(2);
    writer.append(s_columnsKey);
    writer.startArray(quint64(columns.size()));
    for (const CSVTableColumn &column : columns) {
        writer.startMap(3);
        writer.append(s_nameKey);
        writer.append(column.title());
        writer.append(s_widthKey);
        writer.append(column.width());
        writer.append(s_alignmentKey);
        writer.append(quint64(column.contentAlignment()));
        writer.endMap();
    }
    writer.endArray();
    writer.append(s_rowsKey);
    writeRowArray(writer, table);
    writer.endMap();
    return data;
}

std::optional<CSVRowList> readRows(const QByteArray &data)
{
    return readWhole<CSVRowList>(data, readRowArray);
}

std::optional<ColumnBundle> readColumns(const QByteArray &data)
{
    return readWhole<ColumnBundle>(data, readBundle);
}

CSVTableColumn columnFromDescription(const QVariant &description, qint64 position)
{
    const QVariantMap map = description.toMap();
    const QVariant width = map.value(s_widthKey);
    return CSVTableColumn(map.value(s_nameKey).toString(), QString::number(position),
                          width.isValid() ? width.toDouble() : CSVTableColumn::s_defaultWidth,
                          TextAlignment(map.value(s_alignmentKey).toUInt()));
}

} // namespace CSVClipboardArchive

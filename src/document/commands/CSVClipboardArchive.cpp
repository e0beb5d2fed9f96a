#include "CSVClipboardArchive.h"

#include "CSVCborReader.h"

#include "document/CSVRowBuilder.h"

#include <QVariantMap>

#include <bit>
#include <cmath>

namespace CSVClipboardArchive {

namespace {

const QString s_columnsKey = QStringLiteral("columns");
const QString s_rowsKey = QStringLiteral("rows");
const QString s_nameKey = QStringLiteral("name");
const QString s_widthKey = QStringLiteral("width");
const QString s_alignmentKey = QStringLiteral("contentAlignment");

using MajorType = CSVCborReader::MajorType;

// The type and its argument in the shortest form, as QCborStreamWriter writes them.
void appendHead(CSVByteWriter &archive, MajorType type, quint64 argument)
{
    const auto first = char(type << 5);
    if (argument < 24) {
        archive.append(char(first | char(argument)));
        return;
    }
    const int size = argument <= 0xFF ? 1 : argument <= 0xFFFF ? 2 : argument <= 0xFFFFFFFF ? 4 : 8;
    archive.append(char(first | char(24 + std::countr_zero(unsigned(size)))));
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        archive.append(char(argument >> shift));
}

void appendText(CSVByteWriter &archive, QByteArrayView utf8)
{
    appendHead(archive, MajorType::Text, quint64(utf8.size()));
    archive.append(utf8);
}

void appendText(CSVByteWriter &archive, QStringView text)
{
    appendText(archive, text.toUtf8());
}

void appendDouble(CSVByteWriter &archive, double value)
{
    archive.append(char(MajorType::Simple << 5 | 27));
    const auto bits = std::bit_cast<quint64>(value);
    for (int shift = 56; shift >= 0; shift -= 8)
        archive.append(char(bits >> shift));
}

// Reads an array of arrays of strings into rows.
bool readRowArray(CSVCborReader &reader, CSVRowList &rows)
{
    if (!reader.enterArray())
        return false;
    CSVRowBuilder builder;
    QByteArrayView cell;
    while (reader.hasNext()) {
        if (!reader.enterArray())
            return false;
        builder.clear();
        while (reader.hasNext()) {
            if (!reader.readUtf8(cell) || !builder.appendUtf8Field(cell))
                return false;
        }
        if (!reader.leaveContainer())
            return false;
        rows.push_back(builder.makeRow());
    }
    return reader.leaveContainer();
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

bool readDescription(CSVCborReader &reader, QVariantMap &description)
{
    if (!reader.enterMap())
        return false;
    QString key;
    while (reader.hasNext()) {
        if (!reader.readString(key))
            return false;
        QVariant value;
        if (key == s_nameKey) {
            QString name;
            if (!reader.readString(name))
                return false;
            value = name;
        } else if (key == s_widthKey || key == s_alignmentKey) {
            if (!reader.readNumber(value))
                return false;
        } else if (!reader.skip()) {
            return false;
        }
        if (isSound(key, value))
            description.insert(key, value);
    }
    return reader.leaveContainer();
}

bool readDescriptions(CSVCborReader &reader, QVariantList &descriptions)
{
    if (!reader.enterArray())
        return false;
    while (reader.hasNext()) {
        QVariantMap description;
        if (!readDescription(reader, description))
            return false;
        descriptions.append(description);
    }
    return reader.leaveContainer();
}

bool readBundle(CSVCborReader &reader, ColumnBundle &bundle)
{
    if (!reader.enterMap())
        return false;
    bool hasColumns = false;
    bool hasRows = false;
    QString key;
    while (reader.hasNext()) {
        if (!reader.readString(key))
            return false;
        if (key == s_columnsKey) {
            hasColumns = readDescriptions(reader, bundle.columns);
            if (!hasColumns)
                return false;
        } else if (key == s_rowsKey) {
            hasRows = readRowArray(reader, bundle.rows);
            if (!hasRows)
                return false;
        } else if (!reader.skip()) {
            return false;
        }
    }
    return hasColumns && hasRows && reader.leaveContainer();
}

template<typename Result>
std::optional<Result> readWhole(const QByteArray &data, bool (*read)(CSVCborReader &, Result &))
{
    CSVCborReader reader(data);
    Result result;
    if (!read(reader, result))
        return std::nullopt;
    return result;
}

} // namespace

QByteArray rowsHead(qsizetype rowCount)
{
    QByteArray head;
    CSVByteWriter archive(head);
    appendHead(archive, MajorType::Array, quint64(rowCount));
    return head;
}

QByteArray columnsHead(const std::vector<CSVTableColumn> &columns, qsizetype rowCount)
{
    QByteArray head;
    CSVByteWriter archive(head);
    appendHead(archive, MajorType::Map, 2);
    appendText(archive, s_columnsKey);
    appendHead(archive, MajorType::Array, columns.size());
    for (const CSVTableColumn &column : columns) {
        appendHead(archive, MajorType::Map, 3);
        appendText(archive, s_nameKey);
        appendText(archive, column.title());
        appendText(archive, s_widthKey);
        appendDouble(archive, column.width());
        appendText(archive, s_alignmentKey);
        appendHead(archive, MajorType::Unsigned, quint64(column.contentAlignment()));
    }
    appendText(archive, s_rowsKey);
    appendHead(archive, MajorType::Array, quint64(rowCount));
    return head;
}

void appendRow(CSVByteWriter &archive, const CSVCopiedTable::Cells &cells)
{
    appendHead(archive, MajorType::Array, cells.size());
    for (QByteArrayView cell : cells)
        appendText(archive, cell);
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

#include "CSVCopiedTable.h"

#include <QChar>

#include <algorithm>

namespace {

// Rows keep Latin-1 or UTF-16; a UTF-8 view is taken as it is, for completeness.

// Whether the text's bytes are already its UTF-8.
bool isUtf8(QUtf8StringView)
{
    return true;
}

bool isUtf8(QLatin1StringView text)
{
    // One pass that the compiler vectorises; most rows are ASCII.
    uchar bits = 0;
    for (char c : text)
        bits |= uchar(c);
    return bits < 0x80;
}

bool isUtf8(QStringView)
{
    return false;
}

// The most UTF-8 bytes one character of the view takes.
int utf8BytesPerChar(QLatin1StringView)
{
    return 2;
}

int utf8BytesPerChar(QStringView)
{
    return 3;
}

int utf8BytesPerChar(QUtf8StringView)
{
    return 1;
}

char *appendAsUtf8(QUtf8StringView text, char *to)
{
    return std::copy(text.begin(), text.end(), to);
}

char *appendAsUtf8(QLatin1StringView text, char *to)
{
    for (char c : text) {
        const auto byte = uchar(c);
        if (byte < 0x80) {
            *to++ = char(byte);
        } else {
            *to++ = char(0xC0 | (byte >> 6));
            *to++ = char(0x80 | (byte & 0x3F));
        }
    }
    return to;
}

// As QString::toUtf8 writes it: a surrogate without its pair becomes a question mark.
char *appendAsUtf8(QStringView text, char *to)
{
    const char16_t *chars = text.utf16();
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        char32_t u = chars[i];
        if (u < 0x80) {
            *to++ = char(u);
            continue;
        }
        if (u < 0x800) {
            *to++ = char(0xC0 | (u >> 6));
        } else if (!QChar::isSurrogate(u)) {
            *to++ = char(0xE0 | (u >> 12));
            *to++ = char(0x80 | ((u >> 6) & 0x3F));
        } else if (QChar::isHighSurrogate(u) && i + 1 < length &&
                   QChar::isLowSurrogate(chars[i + 1])) {
            u = QChar::surrogateToUcs4(char16_t(u), chars[++i]);
            *to++ = char(0xF0 | (u >> 18));
            *to++ = char(0x80 | ((u >> 12) & 0x3F));
            *to++ = char(0x80 | ((u >> 6) & 0x3F));
        } else {
            *to++ = '?';
            continue;
        }
        *to++ = char(0x80 | (u & 0x3F));
    }
    return to;
}

} // namespace

void CSVCopiedTable::utf8Cells(const CSVRow &row, Cells &cells, std::string &buffer) const
{
    const CSVRow::Storage storage = row.storage();
    const auto cellRange = [&](qint64 position) {
        const quint32 begin = position == 0 ? 0 : storage.ends[position - 1];
        return std::pair<qsizetype, qsizetype>(begin, storage.ends[position] - begin);
    };
    storage.text.visit([&](auto text) {
        const bool asIs = isUtf8(text);
        if (!asIs) {
            size_t room = 0;
            for (qint64 position : m_positions) {
                if (position < storage.count)
                    room += size_t(cellRange(position).second * utf8BytesPerChar(text));
            }
            if (buffer.size() < room)
                buffer.resize(room);
        }
        char *to = buffer.data();
        for (size_t i = 0; i < m_positions.size(); ++i) {
            if (m_positions[i] >= storage.count) {
                cells[i] = QByteArrayView();
                continue;
            }
            const auto [begin, length] = cellRange(m_positions[i]);
            const auto cell = text.sliced(begin, length);
            if constexpr (sizeof(*cell.data()) == 1) {
                if (asIs) {
                    cells[i] = QByteArrayView(cell.data(), cell.size());
                    continue;
                }
            }
            char *const end = appendAsUtf8(cell, to);
            cells[i] = QByteArrayView(to, end);
            to = end;
        }
    });
}

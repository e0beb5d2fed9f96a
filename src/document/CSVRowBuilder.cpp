#include "CSVRowBuilder.h"

#include <QStringDecoder>

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

bool CSVRowBuilder::appendUtf8Field(QByteArrayView field)
{
    // UTF-16 takes no more units than UTF-8 takes bytes.
    const size_t start = m_text.size();
    m_text.resize(start + size_t(field.size()));
    char16_t *to = m_text.data() + start;
    // ASCII and the two-byte sequences (Latin-1 and its neighbours) make most cells and are
    // decoded here; from the first other byte on, the toolkit's decoder decodes and checks.
    qsizetype i = 0;
    while (i < field.size()) {
        const auto lead = uchar(field[i]);
        if (lead < 0x80) {
            *to++ = lead;
            ++i;
            continue;
        }
        const auto next = i + 1 < field.size() ? uchar(field[i + 1]) : 0;
        if (lead < 0xC2 || lead > 0xDF || (next & 0xC0) != 0x80)
            break;
        *to++ = char16_t((lead & 0x1F) << 6 | (next & 0x3F));
        i += 2;
    }
    bool valid = true;
    if (i < field.size()) {
        QStringDecoder decoder(QStringConverter::Utf8,
                               QStringConverter::Flag::Stateless |
                                   QStringConverter::Flag::ConvertInitialBom);
        const QByteArrayView rest = field.sliced(i);
        const size_t decoded = size_t(to - m_text.data());
        m_text.resize(decoded + size_t(decoder.requiredSpace(rest.size())));
        auto *out = reinterpret_cast<QChar *>(m_text.data() + decoded);
        to = reinterpret_cast<char16_t *>(decoder.appendToBuffer(out, rest));
        valid = !decoder.hasError();
    }
    m_text.resize(size_t(to - m_text.data()));
    m_ends.push_back(quint32(m_text.size()));
    return valid;
}

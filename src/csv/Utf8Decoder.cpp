#include "Utf8Decoder.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int Incomplete = 0;
constexpr int Invalid = -1;

// The length of the sequence at bytes, Incomplete when the bytes available are a valid but
// unfinished beginning of one, or Invalid; the character goes to c.
int decodeSequence(const uchar *bytes, qsizetype available, char32_t &c)
{
    const uchar lead = bytes[0];
    int length;
    uchar secondLow = 0x80;
    uchar secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        secondHigh = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;  // no overlong forms
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return Invalid;
    }
    for (int i = 1; i < length; ++i) {
        if (i >= available)
            return Incomplete;
        const uchar byte = bytes[i];
        if (byte < (i == 1 ? secondLow : 0x80) || byte > (i == 1 ? secondHigh : 0xBF))
            return Invalid;
        c = (c << 6) | (byte & 0x3F);
    }
    return length;
}

char16_t *append(char16_t *out, char32_t c)
{
    if (c < 0x10000) {
        *out++ = static_cast<char16_t>(c);
    } else {
        *out++ = QChar::highSurrogate(c);
        *out++ = QChar::lowSurrogate(c);
    }
    return out;
}

// Widens the ASCII bytes from bytes[i] on, as many as come in a row. out has room for a
// code unit for every byte up to size.
qsizetype widenAscii(const uchar *bytes, qsizetype i, qsizetype size, char16_t *&out)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= size) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        // All sixteen are stored; those from the first non-ASCII byte on are written again.
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8), _mm_unpackhi_epi8(chunk, zero));
        const auto nonAscii = static_cast<unsigned>(_mm_movemask_epi8(chunk));
        const int ascii = nonAscii ? std::countr_zero(nonAscii) : 16;
        i += ascii;
        out += ascii;
        if (ascii < 16)
            return i;
    }
#endif
    for (; i < size && bytes[i] < 0x80; ++i)
        *out++ = bytes[i];
    return i;
}

} // namespace

Utf8Decoder::Status Utf8Decoder::decode(QByteArrayView bytes, QString &out, bool flush,
                                        qsizetype *validByteCount)
{
    const auto *source = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    const qsizetype start = out.size();
    // No sequence makes more UTF-16 code units than it has bytes.
    out.resize(start + m_pendingSize + size);
    char16_t *const begin = reinterpret_cast<char16_t *>(out.data());
    char16_t *target = begin + start;
    Status status = Status::Ok;
    qsizetype i = 0;

    if (m_pendingSize > 0) {
        std::array<uchar, 8> joined{};
        std::copy_n(m_pending.begin(), m_pendingSize, joined.begin());
        const qsizetype added = std::min<qsizetype>(size, 4);
        std::copy_n(source, added, joined.begin() + m_pendingSize);
        char32_t c;
        const int length = decodeSequence(joined.data(), m_pendingSize + added, c);
        if (length == Invalid) {
            status = Status::Invalid;
        } else if (length == Incomplete) {
            std::copy_n(source, added, m_pending.begin() + m_pendingSize);
            m_pendingSize += added;
            i = size;
        } else {
            target = append(target, c);
            i = length - m_pendingSize;
            m_pendingSize = 0;
        }
    }

    while (status == Status::Ok && i < size) {
        i = widenAscii(source, i, size, target);
        if (i == size)
            break;
        char32_t c;
        const int length = decodeSequence(source + i, size - i, c);
        if (length == Invalid) {
            status = Status::Invalid;
            break;
        }
        if (length == Incomplete) {
            m_pendingSize = size - i;
            std::copy_n(source + i, m_pendingSize, m_pending.begin());
            i = size;
            break;
        }
        target = append(target, c);
        i += length;
    }
    out.resize(target - begin);

    if (status == Status::Ok && flush && m_pendingSize > 0)
        status = Status::Truncated;
    if (validByteCount)
        *validByteCount = i;
    return status;
}

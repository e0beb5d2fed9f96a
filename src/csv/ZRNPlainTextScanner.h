#pragma once

#include <QtGlobal>

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Finds where a run of plain text ends: text that cannot change the parser's state, so that
// the parser skips it in one go instead of unit by unit. Plain are the ASCII characters except
// up to three given ones and, when asked, the ASCII line breaks; every character from U+0080
// up ends a run, because it may be a line break or the delimiter or join its neighbour.
class ZRNPlainTextScanner
{
public:
    ZRNPlainTextScanner(char16_t stop1, char16_t stop2, char16_t stop3, bool lineBreaksStop)
        : m_stops{stop1, stop2, stop3}, m_lineBreaksStop(lineBreaksStop)
    {
#if defined(__SSE2__)
        for (int i = 0; i < 3; ++i)
            m_stopVectors[i] = _mm_set1_epi16(static_cast<short>(m_stops[i]));
        m_lineBreakVector = _mm_set1_epi16(lineBreaksStop ? -1 : 0);
#endif
    }

    bool isPlain(char16_t c) const
    {
        return c < 0x80 && c != m_stops[0] && c != m_stops[1] && c != m_stops[2] &&
               !(m_lineBreaksStop && c >= 0x0A && c <= 0x0D);
    }

    // The first position at or after from, below size, whose character is not plain, or size.
    // Inline: runs are short, and a call would cost as much as the scan.
    qsizetype runEnd(const char16_t *text, qsizetype from, qsizetype size) const
    {
        qsizetype i = from;
#if defined(__SSE2__)
        // Eight characters at a time; a character is plain when every test below says so.
        const __m128i zero = _mm_setzero_si128();
        const __m128i stop1 = m_stopVectors[0];
        const __m128i stop2 = m_stopVectors[1];
        const __m128i stop3 = m_stopVectors[2];
        const __m128i nonAsciiBits = _mm_set1_epi16(static_cast<short>(0xFF80));
        const __m128i lineFeed = _mm_set1_epi16(0x0A);
        const __m128i lineBreakRange = _mm_set1_epi16(static_cast<short>(0xFFFC)); // 0x0A to 0x0D
        const __m128i lineBreaksStop = m_lineBreakVector;
        for (; i + 8 <= size; i += 8) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + i));
            const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(chunk, nonAsciiBits), zero);
            __m128i stops =
                _mm_or_si128(_mm_cmpeq_epi16(chunk, stop1), _mm_cmpeq_epi16(chunk, stop2));
            stops = _mm_or_si128(stops, _mm_cmpeq_epi16(chunk, stop3));
            const __m128i lineBreaks = _mm_cmpeq_epi16(
                _mm_and_si128(_mm_sub_epi16(chunk, lineFeed), lineBreakRange), zero);
            stops = _mm_or_si128(stops, _mm_and_si128(lineBreaks, lineBreaksStop));
            const auto plain =
                static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(stops, ascii)));
            if (plain != 0xFFFF)
                return i + std::countr_one(plain) / 2;
        }
#endif
        while (i < size && isPlain(text[i]))
            ++i;
        return i;
    }

private:
    std::array<char16_t, 3> m_stops;
    bool m_lineBreaksStop;
#if defined(__SSE2__)
    // The same, spread over the eight lanes of a vector.
    __m128i m_stopVectors[3];
    __m128i m_lineBreakVector;
#endif
};

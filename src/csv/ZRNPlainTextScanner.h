#pragma once

#include <QtGlobal>

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Finds where a run of plain text ends: text that cannot change the parser's state, so that
// the parser skips it in one go instead of unit by unit. Plain are the printable ASCII
// characters but up to three given ones. A run also ends at every control character (the line
// breaks among them) and every character beyond ASCII, which may be a line break or the
// delimiter or join its neighbour; the parser looks at those one by one.
class ZRNPlainTextScanner
{
public:
    ZRNPlainTextScanner(char16_t stop1, char16_t stop2, char16_t stop3)
        : m_stops{stop1, stop2, stop3}
    {
#if defined(__SSE2__)
        for (int i = 0; i < 3; ++i)
            m_stopVectors[i] = _mm_set1_epi16(static_cast<short>(m_stops[i]));
#endif
    }

    bool isPlain(char16_t c) const
    {
        return c >= 0x20 && c < 0x7F && c != m_stops[0] && c != m_stops[1] && c != m_stops[2];
    }

    // The first position at or after from, below size, whose character is not plain, or size.
    // Inline: runs are short, and a call would cost as much as the scan.
    qsizetype runEnd(const char16_t *text, qsizetype from, qsizetype size) const
    {
        qsizetype i = from;
#if defined(__SSE2__)
        // Eight characters at a time. The comparisons are signed, so that everything from
        // U+8000 up counts as below the space.
        const __m128i space = _mm_set1_epi16(0x20);
        const __m128i tilde = _mm_set1_epi16(0x7E);
        for (; i + 8 <= size; i += 8) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + i));
            const __m128i outside =
                _mm_or_si128(_mm_cmplt_epi16(chunk, space), _mm_cmpgt_epi16(chunk, tilde));
            const __m128i stops =
                _mm_or_si128(_mm_cmpeq_epi16(chunk, m_stopVectors[0]),
                             _mm_or_si128(_mm_cmpeq_epi16(chunk, m_stopVectors[1]),
                                          _mm_cmpeq_epi16(chunk, m_stopVectors[2])));
            const auto ends =
                static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(outside, stops)));
            if (ends != 0)
                return i + std::countr_zero(ends) / 2;
        }
#endif
        while (i < size && isPlain(text[i]))
            ++i;
        return i;
    }

private:
    std::array<char16_t, 3> m_stops;
#if defined(__SSE2__)
    // The same, spread over the eight lanes of a vector.
    __m128i m_stopVectors[3];
#endif
};

#include "ZRNTextUnits.h"

#include <unicode/ubrk.h>
#include <unicode/uchar.h>

namespace {

int clusterBreak(char16_t c)
{
    return u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
}

// Whether c may join the character before it in one cluster. No character below U+0300 can;
// a surrogate stands for a character we do not look up here, so it may.
bool mayExtend(char16_t c)
{
    if (c < 0x300)
        return false;
    if (QChar::isSurrogate(c))
        return true;
    const int kind = clusterBreak(c);
    return kind == U_GCB_EXTEND || kind == U_GCB_ZWJ || kind == U_GCB_SPACING_MARK;
}

// Whether a cluster beginning with c ends after c unless the next character extends it: true
// for ordinary characters, false for those with rules of their own (CR, prepended marks,
// Hangul jamo, regional indicators, surrogates).
bool endsUnlessExtended(char16_t c)
{
    return c < 0x80 ? c != u'\r' : !QChar::isSurrogate(c) && clusterBreak(c) == U_GCB_OTHER;
}

} // namespace

bool ZRNTextUnits::isOrdinary(char16_t c)
{
    return !QChar::isSurrogate(c) && clusterBreak(c) == U_GCB_OTHER;
}

ZRNTextUnits::~ZRNTextUnits()
{
    if (m_iterator)
        ubrk_close(m_iterator);
}

qsizetype ZRNTextUnits::complexUnitEnd(qsizetype position, bool isFinal)
{
    const qsizetype size = m_text.size();
    const char16_t c = m_text[position].unicode();
    if (c == m_delimiter || c == u'"')
        return position + 1;
    if (position + 1 >= size)
        return isFinal ? size : NeedMoreText;
    const char16_t next = m_text[position + 1].unicode();
    if (c == u'\r')
        return next == u'\n' ? position + 2 : position + 1;
    if (endsUnlessExtended(c) && !mayExtend(next))
        return position + 1;
    const qsizetype end = cutBeforeStructural(position, iteratorUnitEnd(position));
    return end == size && !isFinal ? NeedMoreText : end;
}

qsizetype ZRNTextUnits::cutBeforeStructural(qsizetype position, qsizetype end) const
{
    for (qsizetype i = position + 1; i < end; ++i) {
        if (isStructural(m_text[i].unicode()))
            return i;
    }
    return end;
}

qsizetype ZRNTextUnits::iteratorUnitEnd(qsizetype position)
{
    UErrorCode status = U_ZERO_ERROR;
    const auto *text = reinterpret_cast<const UChar *>(m_text.utf16());
    const auto length = static_cast<int32_t>(m_text.size());
    if (!m_iterator) {
        m_iterator = ubrk_open(UBRK_CHARACTER, "", text, length, &status);
        m_iteratorBound = U_SUCCESS(status);
    } else if (!m_iteratorBound) {
        ubrk_setText(m_iterator, text, length, &status);
        m_iteratorBound = U_SUCCESS(status);
    }
    // Without an iterator the parser still makes progress, one code unit at a time.
    if (!m_iteratorBound)
        return position + 1;
    const int32_t end = ubrk_following(m_iterator, static_cast<int32_t>(position));
    return end == UBRK_DONE ? m_text.size() : end;
}

#pragma once

#include <QStringView>

struct UBreakIterator;

// Splits text into the units the CSV parser walks: extended grapheme clusters, so that a base
// character and the marks that follow it, a surrogate pair, or CR LF each count as one.
//
// The delimiter and the quotation mark are units of their own, and no unit holds a delimiter,
// quotation mark or backslash after its first character. A cluster would otherwise join a mark
// to the delimiter before it, so that ending the field dropped the mark, or join the delimiter
// or closing quotation mark to a prepended character (Arabic number signs) before it, so that
// two fields ran together.
//
// Most text is ASCII, where every character is its own unit, and asking ICU's break iterator
// about each would cost more than everything else the parser does. A character therefore gets
// its own unit without asking when neither it nor the one after it can join a cluster; the
// break iterator only runs around the characters that can.
class ZRNTextUnits
{
public:
    // Answered by unitEnd when the unit may go on past the end of the text held.
    static constexpr qsizetype NeedMoreText = -1;

    ZRNTextUnits() = default;
    ~ZRNTextUnits();
    ZRNTextUnits(const ZRNTextUnits &) = delete;
    ZRNTextUnits &operator=(const ZRNTextUnits &) = delete;

    // Whether c, beyond ASCII, is a unit of its own between two such characters: it joins
    // neither of them (no mark, joiner, jamo, regional indicator, surrogate or control).
    static bool isOrdinary(char16_t c);

    // The delimiter of the text; a comma until set.
    void setDelimiter(char16_t delimiter) { m_delimiter = delimiter; }

    // The text to split; call again whenever it changed, moved or grew. Positions handed to
    // unitEnd afterwards must still be unit boundaries of the whole text.
    void setText(QStringView text)
    {
        m_text = text;
        m_iteratorBound = false;
    }

    // The end of the unit that begins at position, a unit boundary inside the text. Unless
    // isFinal says that no text follows, a unit that reaches the end of the text may go on in
    // the text still to come, and NeedMoreText is answered instead.
    qsizetype unitEnd(qsizetype position, bool isFinal)
    {
        if (position + 1 < m_text.size()) {
            const char16_t c = m_text[position].unicode();
            const char16_t next = m_text[position + 1].unicode();
            if ((c | next) < 0x80)
                return c == u'\r' && next == u'\n' ? position + 2 : position + 1;
        }
        return complexUnitEnd(position, isFinal);
    }

private:
    qsizetype complexUnitEnd(qsizetype position, bool isFinal);
    qsizetype iteratorUnitEnd(qsizetype position);
    bool isStructural(char16_t c) const { return c == m_delimiter || c == u'"' || c == u'\\'; }
    qsizetype cutBeforeStructural(qsizetype position, qsizetype end) const;

    QStringView m_text;
    char16_t m_delimiter = u',';
    UBreakIterator *m_iterator = nullptr;
    bool m_iteratorBound = false;
};

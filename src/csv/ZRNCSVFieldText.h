#pragma once

#include <QString>
#include <QStringView>

// The character classes of delimited text, and how the raw text of a field becomes the field.
class ZRNCSVFieldText
{
public:
    static constexpr char16_t QuotationMark = u'"';
    static constexpr char16_t EscapeCharacter = u'\\';
    static constexpr char16_t CommentMarker = u'#';

    // U+000A to U+000D, U+0085, U+2028 and U+2029.
    static bool isLineBreak(char16_t c)
    {
        if (c < 0x80)
            return c >= 0x0A && c <= 0x0D;
        return c == 0x85 || c == 0x2028 || c == 0x2029;
    }

    // What trimming removes: Unicode separators, tab to carriage return and U+0085.
    static bool isTrimmedSpace(char16_t c)
    {
        if (c < 0x80)
            return c == u' ' || (c >= 0x09 && c <= 0x0D);
        if (c == 0x85)
            return true;
        const QChar::Category category = QChar::category(c);
        return category == QChar::Separator_Space || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    }

    // The field for its raw text (every unit from the one that began it to the one that ended
    // it): line breaks at both ends go, then one enclosing pair of quotation marks, then, with
    // trimSpaces, white space at both ends; a doubled quotation mark anywhere becomes one.
    // quoteCount is the number of quotation marks in raw. The answer views raw or scratch.
    static QStringView finish(QStringView raw, bool trimSpaces, qsizetype quoteCount,
                              QString &scratch)
    {
        // Most fields have nothing to remove.
        if (quoteCount == 0 && (raw.isEmpty() || (!isRemovedAtEnds(raw.front(), trimSpaces) &&
                                                  !isRemovedAtEnds(raw.back(), trimSpaces))))
            return raw;
        return finishEnds(raw, trimSpaces, quoteCount, scratch);
    }

private:
    static bool isRemovedAtEnds(QChar c, bool trimSpaces)
    {
        return isLineBreak(c.unicode()) || (trimSpaces && isTrimmedSpace(c.unicode()));
    }
    static QStringView finishEnds(QStringView raw, bool trimSpaces, qsizetype quoteCount,
                                  QString &scratch);
};

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
    // mayHoldQuotes false promises that raw holds no quotation mark, sparing the search. The
    // answer views raw or scratch.
    static QStringView finish(QStringView raw, bool trimSpaces, bool mayHoldQuotes,
                              QString &scratch);
};

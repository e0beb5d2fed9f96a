#include "ZRNCSVFieldText.h"

namespace {

template<typename Predicate>
QStringView trimmed(QStringView text, Predicate predicate)
{
    while (!text.isEmpty() && predicate(text.front().unicode()))
        text = text.sliced(1);
    while (!text.isEmpty() && predicate(text.back().unicode()))
        text.chop(1);
    return text;
}

// Left to right, without overlaps: three quotation marks in a row become two.
QStringView undoubledQuotes(QStringView text, QString &scratch)
{
    constexpr QChar quote = ZRNCSVFieldText::QuotationMark;
    scratch.resize(text.size());
    QChar *out = scratch.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        *out++ = text[i];
        if (text[i] == quote && i + 1 < text.size() && text[i + 1] == quote)
            ++i;
    }
    scratch.resize(out - scratch.data());
    return scratch;
}

} // namespace

QStringView ZRNCSVFieldText::finishEnds(QStringView raw, bool trimSpaces, qsizetype quoteCount,
                                        QString &scratch)
{
    QStringView text = trimmed(raw, isLineBreak);
    if (text.size() >= 2 && text.front() == QuotationMark && text.back() == QuotationMark) {
        text = text.sliced(1, text.size() - 2);
        quoteCount -= 2;
    }
    if (trimSpaces)
        text = trimmed(text, isTrimmedSpace);
    return quoteCount >= 2 ? undoubledQuotes(text, scratch) : text;
}

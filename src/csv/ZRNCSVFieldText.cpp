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
    constexpr char16_t quote = ZRNCSVFieldText::QuotationMark;
    const qsizetype first = text.indexOf(QStringView(u"\"\""));
    if (first < 0)
        return text;
    scratch.resize(0);
    scratch.append(text.first(first + 1));
    for (qsizetype i = first + 2; i < text.size(); ++i) {
        const QChar c = text[i];
        scratch.append(c);
        if (c == quote && i + 1 < text.size() && text[i + 1] == quote)
            ++i;
    }
    return scratch;
}

} // namespace

QStringView ZRNCSVFieldText::finish(QStringView raw, bool trimSpaces, bool mayHoldQuotes,
                                    QString &scratch)
{
    QStringView text = trimmed(raw, isLineBreak);
    if (text.size() >= 2 && text.front() == QuotationMark && text.back() == QuotationMark)
        text = text.sliced(1, text.size() - 2);
    if (trimSpaces)
        text = trimmed(text, isTrimmedSpace);
    return mayHoldQuotes ? undoubledQuotes(text, scratch) : text;
}

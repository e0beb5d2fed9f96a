#include "ZRNSeparatorDetector.h"

#include "ZRNCSVFieldText.h"

#include "foundation/NotFound.h"

#include <QList>

#include <array>
#include <map>

namespace {

constexpr std::array<char16_t, 3> s_separators = {u',', u';', u'\t'};

using Counts = std::array<int, 3>;

qint64 separatorIndex(QChar c)
{
    for (size_t i = 0; i < s_separators.size(); ++i) {
        if (c == s_separators[i])
            return qint64(i);
    }
    return NotFound;
}

// The separators of each line outside quotation marks; a quoted line break does not end a line.
QList<Counts> countsPerLine(QStringView text, bool isComplete)
{
    QList<Counts> lines;
    Counts counts{};
    bool quoted = false;
    bool hasText = false;
    for (const QChar c : text) {
        if (lines.size() == ZRNSeparatorDetector::SampleLines)
            return lines;
        if (c == ZRNCSVFieldText::QuotationMark) {
            quoted = !quoted;
        } else if (!quoted && ZRNCSVFieldText::isLineBreak(c.unicode())) {
            if (hasText)
                lines.append(counts);
            counts = {};
            hasText = false;
            continue;
        } else if (const qint64 index = separatorIndex(c); !quoted && index != NotFound) {
            ++counts[size_t(index)];
        }
        hasText = true;
    }
    if (isComplete && hasText)
        lines.append(counts);
    return lines;
}

// How many lines share the most common non-zero count of the separator.
int agreeingLines(const QList<Counts> &lines, size_t separator)
{
    std::map<int, int> linesWithCount;
    int best = 0;
    for (const Counts &counts : lines) {
        if (counts[separator] > 0)
            best = std::max(best, ++linesWithCount[counts[separator]]);
    }
    return best;
}

qint64 firstInFirstLine(QStringView text)
{
    for (const QChar c : text) {
        if (c.isNull() || c == u'\n' || c == u'\r')
            return NotFound;
        if (const qint64 index = separatorIndex(c); index != NotFound)
            return index;
    }
    return NotFound;
}

} // namespace

qint64 ZRNSeparatorDetector::detect(QStringView text, bool isComplete)
{
    const QList<Counts> lines = countsPerLine(text, isComplete);
    std::array<int, 3> agreeing{};
    for (size_t i = 0; i < s_separators.size(); ++i)
        agreeing[i] = agreeingLines(lines, i);
    const int most = *std::max_element(agreeing.begin(), agreeing.end());
    if (most == 0)
        return firstInFirstLine(text);
    // Ties: the separator seen first outside quotation marks.
    const qint64 first = firstInFirstLine(text);
    if (first != NotFound && agreeing[size_t(first)] == most)
        return first;
    return qint64(std::max_element(agreeing.begin(), agreeing.end()) - agreeing.begin());
}

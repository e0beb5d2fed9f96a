#include "CSVTextConversion.h"

#include <unicode/casemap.h>
#include <unicode/stringoptions.h>
#include <unicode/uchar.h>

#include <algorithm>

namespace CSVTextConversion {

namespace {

// The root locale: no language's special casing (Turkish dotless i) depends on the user.
constexpr char s_rootLocale[] = "";

using CaseMapping = int32_t (*)(const char *, uint32_t, const char16_t *, int32_t, char16_t *,
                                int32_t, icu::Edits *, UErrorCode &);

int32_t toTitle(const char *locale, uint32_t options, const char16_t *src, int32_t length,
                char16_t *dest, int32_t capacity, icu::Edits *edits, UErrorCode &error)
{
    // The whole word is one unit: its first character is title-cased whatever it is.
    options |= U_TITLECASE_WHOLE_STRING | U_TITLECASE_NO_BREAK_ADJUSTMENT;
    return icu::CaseMap::toTitle(locale, options, nullptr, src, length, dest, capacity, edits,
                                 error);
}

// Appends the mapping of text to out; a mapping may grow the text (ß becomes SS).
void appendMapped(CaseMapping mapping, QStringView text, std::u16string &out)
{
    const auto *source = reinterpret_cast<const char16_t *>(text.utf16());
    const size_t start = out.size();
    const int32_t length = int32_t(text.size());
    int32_t capacity = length + 8;
    for (;;) {
        out.resize(start + size_t(capacity));
        UErrorCode error = U_ZERO_ERROR;
        const int32_t written =
            mapping(s_rootLocale, 0, source, length, out.data() + start, capacity, nullptr, error);
        if (error == U_BUFFER_OVERFLOW_ERROR) {
            capacity = written;
            continue;
        }
        // The mappings fail only on invalid arguments; keep the text rather than lose it.
        if (U_FAILURE(error)) {
            out.replace(start, out.size() - start, source, size_t(length));
            return;
        }
        out.resize(start + size_t(written));
        return;
    }
}

bool isWordDelimiter(char16_t c)
{
    switch (c) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u0085':
    case u'\u2028':
    case u'\u2029':
        return true;
    default:
        return u_charType(c) == U_SPACE_SEPARATOR;
    }
}

void appendCapitalized(QStringView text, std::u16string &out)
{
    qsizetype index = 0;
    while (index < text.size()) {
        qsizetype end = index;
        const bool delimiters = isWordDelimiter(text[index].unicode());
        while (end < text.size() && isWordDelimiter(text[end].unicode()) == delimiters)
            ++end;
        const QStringView run = text.sliced(index, end - index);
        if (delimiters)
            out.append(reinterpret_cast<const char16_t *>(run.utf16()), size_t(run.size()));
        else
            appendMapped(toTitle, run, out);
        index = end;
    }
}

bool isTrimmed(QChar c)
{
    return c == u'\t' || u_charType(c.unicode()) == U_SPACE_SEPARATOR;
}

QStringView trimmed(QStringView text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isTrimmed);
    const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), isTrimmed);
    return QStringView(first, last.base());
}

} // namespace

QStringView convert(int tag, QStringView text, std::u16string &out)
{
    out.clear();
    switch (tag) {
    case Uppercase:
        appendMapped(icu::CaseMap::toUpper, text, out);
        break;
    case Lowercase:
        appendMapped(icu::CaseMap::toLower, text, out);
        break;
    case Capitalize:
        appendCapitalized(text, out);
        break;
    case TrimSpaces:
        return trimmed(text);
    default:
        break;
    }
    return QStringView(out.data(), qsizetype(out.size()));
}

QString stepName(int tag)
{
    switch (tag) {
    case Uppercase:
        return QStringLiteral("LSUDUppercaseData");
    case Lowercase:
        return QStringLiteral("LSUDLowercaseData");
    case Capitalize:
        return QStringLiteral("LSUDCapitalizedData");
    case TrimSpaces:
        return QStringLiteral("LSUDTrimData");
    case Empty:
        return QStringLiteral("LSUDEmptyData");
    default:
        return {};
    }
}

} // namespace CSVTextConversion

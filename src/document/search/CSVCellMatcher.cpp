#include "CSVCellMatcher.h"

#include "foundation/LocalizedStrings.h"

#include <unicode/regex.h>
#include <unicode/utypes.h>

#include <algorithm>

namespace {

template<typename Char>
bool isAscii(const Char *chars, qsizetype length)
{
    Char bits = 0;
    for (qsizetype i = 0; i < length; ++i)
        bits |= chars[i];
    return bits < 0x80;
}

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// Every ASCII character is a whole character of its own and folds to itself or its lower
// case: an ASCII cell is searched as it stands.
template<typename Char>
bool containsAscii(const Char *chars, qsizetype length, std::u16string_view text, bool lower)
{
    const auto equal = [lower](Char a, char16_t b) {
        return (lower ? asciiLower(char16_t(a)) : char16_t(a)) == b;
    };
    return std::search(chars, chars + length, text.begin(), text.end(), equal) != chars + length;
}

icu::UnicodeString unicodeString(const QString &text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
}

QString fromUnicodeString(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

} // namespace

CSVCellMatcher::CSVCellMatcher(const QString &searchText, bool ignoreCase, bool useRegex)
    : m_ignoreCase(ignoreCase)
{
    if (!useRegex) {
        m_folding = &CSVTextFolding::forKind(ignoreCase ? CSVTextFolding::Kind::CanonicalCaseless
                                                        : CSVTextFolding::Kind::Canonical);
        m_text = m_folding->fold(searchText);
        m_isAsciiText = isAscii(m_text.data(), qsizetype(m_text.size()));
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    UParseError where{};
    std::unique_ptr<icu::RegexPattern> pattern(icu::RegexPattern::compile(
        unicodeString(searchText), ignoreCase ? UREGEX_CASE_INSENSITIVE : 0, where, status));
    if (U_SUCCESS(status))
        m_regex.reset(pattern->matcher(status));
    if (U_FAILURE(status) || !m_regex) {
        m_regex.reset();
        m_error = localized("LSFindInvalidRegex")
                      .arg(QString::fromLatin1(u_errorName(status)))
                      .arg(std::max(where.offset, 0) + 1);
    } else {
        // The matcher keeps what it was made from.
        m_regexPattern = std::move(pattern);
    }
}

CSVCellMatcher::~CSVCellMatcher() = default;

bool CSVCellMatcher::matches(QAnyStringView cell)
{
    return m_folding ? matchesPlain(cell) : matchesRegex(cell);
}

bool CSVCellMatcher::matchesPlain(QAnyStringView cell)
{
    if (m_text.empty() || cell.size() < 1)
        return false;
    bool isAsciiCell = false;
    bool found = false;
    visitCharacters(cell, [&](const auto *chars, qsizetype length) {
        isAsciiCell = isAscii(chars, length);
        found = isAsciiCell && m_isAsciiText && containsAscii(chars, length, m_text, m_ignoreCase);
    });
    if (isAsciiCell)
        return found;
    m_folding->foldSegmented(cell, m_cell);
    return findPlain(m_cell, 0) != std::u16string::npos;
}

size_t CSVCellMatcher::findPlain(const CSVTextFolding::Segmented &cell, size_t from) const
{
    const std::u16string_view units(cell.units);
    for (size_t at = units.find(m_text, from); at != std::u16string_view::npos;
         at = units.find(m_text, at + 1)) {
        if (cell.isSegmentBoundary(qsizetype(at)) &&
            cell.isSegmentBoundary(qsizetype(at + m_text.size())))
            return at;
    }
    return std::u16string_view::npos;
}

bool CSVCellMatcher::matchesRegex(QAnyStringView cell)
{
    if (!m_regex || cell.size() < 1)
        return false;
    bool found = false;
    visitCharacters(cell, [&](const auto *chars, qsizetype length) {
        std::u16string wide;
        if constexpr (sizeof(*chars) == 1)
            wide.assign(chars, chars + length);
        const char16_t *units =
            wide.empty() ? reinterpret_cast<const char16_t *>(chars) : wide.data();
        const icu::UnicodeString text(false, units, int32_t(length));
        UErrorCode status = U_ZERO_ERROR;
        m_regex->reset(text);
        found = m_regex->find(status) && U_SUCCESS(status);
    });
    return found;
}

std::optional<QString> CSVCellMatcher::replaced(const QString &cell, const QString &replacement)
{
    if (!m_folding)
        return replacedRegex(cell, replacement);
    if (m_text.empty())
        return cell;
    m_folding->foldSegmented(cell, m_cell);
    QString result;
    qsizetype copied = 0;
    for (size_t at = findPlain(m_cell, 0); at != std::u16string::npos;
         at = findPlain(m_cell, at + m_text.size())) {
        const qsizetype begin = m_cell.starts[at];
        result += QStringView(cell).sliced(copied, begin - copied);
        result += replacement;
        copied = m_cell.starts[at + m_text.size()];
    }
    result += QStringView(cell).sliced(copied);
    return result;
}

std::optional<QString> CSVCellMatcher::replacedRegex(const QString &cell,
                                                     const QString &replacement)
{
    if (!m_regex)
        return std::nullopt;
    const icu::UnicodeString text = unicodeString(cell);
    UErrorCode status = U_ZERO_ERROR;
    m_regex->reset(text);
    const icu::UnicodeString result = m_regex->replaceAll(unicodeString(replacement), status);
    if (U_FAILURE(status))
        return std::nullopt;
    return fromUnicodeString(result);
}

#include "CSVTextFolding.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace {

constexpr size_t s_planeSize = 0x10000;

const icu::Normalizer2 &nfd()
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *normalizer = icu::Normalizer2::getNFDInstance(status);
    Q_ASSERT(U_SUCCESS(status));
    return *normalizer;
}

bool isMark(UChar32 c)
{
    const int8_t type = u_charType(c);
    return type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK;
}

} // namespace

const CSVTextFolding &CSVTextFolding::forKind(Kind kind)
{
    static const CSVTextFolding s_loose(Kind::Loose);
    static const CSVTextFolding s_canonical(Kind::Canonical);
    static const CSVTextFolding s_caseless(Kind::CanonicalCaseless);
    switch (kind) {
    case Kind::Loose:
        return s_loose;
    case Kind::Canonical:
        return s_canonical;
    case Kind::CanonicalCaseless:
        break;
    }
    return s_caseless;
}

CSVTextFolding::CSVTextFolding(Kind kind) : m_kind(kind), m_entries(s_planeSize)
{
    for (char32_t c = 0; c < s_planeSize; ++c) {
        Entry &entry = m_entries[c];
        if (c >= 0xD800 && c < 0xE000) {
            entry = {char16_t(c), s_surrogate, true};
            continue;
        }
        const std::u16string folded = foldCodePoint(c);
        entry.boundaryBefore = hasBoundaryBefore(c);
        entry.length = quint8(folded.size());
        if (folded.size() == 1) {
            entry.value = folded.front();
        } else if (folded.size() > 1) {
            entry.value = char16_t(m_expansions.size());
            m_expansions += folded;
            m_longestExpansion = std::max(m_longestExpansion, qsizetype(folded.size()));
        }
    }
}

std::u16string CSVTextFolding::foldCodePoint(char32_t c) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString text = nfd().normalize(icu::UnicodeString(UChar32(c)), status);
    if (m_kind != Kind::Canonical)
        text = nfd().normalize(text.foldCase(U_FOLD_CASE_DEFAULT), status);
    if (U_FAILURE(status))
        text = icu::UnicodeString(UChar32(c));
    std::u16string folded;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 unit = text.char32At(i);
        if (m_kind == Kind::Loose && isMark(unit))
            continue;
        folded.append(reinterpret_cast<const char16_t *>(text.getBuffer()) + i,
                      size_t(U16_LENGTH(unit)));
    }
    return folded;
}

bool CSVTextFolding::hasBoundaryBefore(char32_t c) const
{
    return nfd().hasBoundaryBefore(UChar32(c));
}

template<typename Char>
qsizetype CSVTextFolding::foldChars(const Char *chars, qsizetype length, std::u16string &out,
                                    qsizetype at) const
{
    if (qsizetype(out.size()) < at + length * m_longestExpansion)
        out.resize(size_t(at + length * m_longestExpansion));
    char16_t *to = out.data() + at;
    for (qsizetype i = 0; i < length; ++i) {
        const Entry &entry = m_entries[char16_t(chars[i])];
        if (entry.length == 1) {
            *to++ = entry.value;
            continue;
        }
        std::u16string_view folded;
        std::u16string supplementary;
        if (entry.length != s_surrogate) {
            folded = std::u16string_view(m_expansions).substr(entry.value, entry.length);
        } else if (QChar::isHighSurrogate(char16_t(chars[i])) && i + 1 < length &&
                   QChar::isLowSurrogate(char16_t(chars[i + 1]))) {
            supplementary =
                foldCodePoint(QChar::surrogateToUcs4(char16_t(chars[i]), char16_t(chars[i + 1])));
            folded = supplementary;
            ++i;
        } else {
            folded = std::u16string_view(&entry.value, 1);
        }
        const qsizetype written = to - out.data();
        const qsizetype needed =
            written + qsizetype(folded.size()) + (length - i) * m_longestExpansion;
        if (qsizetype(out.size()) < needed) {
            out.resize(size_t(needed));
            to = out.data() + written;
        }
        to = std::copy(folded.begin(), folded.end(), to);
    }
    return to - out.data();
}

qsizetype CSVTextFolding::fold(QAnyStringView text, std::u16string &out, qsizetype at) const
{
    if (m_kind != Kind::Loose) {
        Segmented segmented;
        foldSegmented(text, segmented);
        out.resize(size_t(at));
        out += segmented.units;
        return qsizetype(out.size());
    }
    qsizetype end = at;
    visitCharacters(text, [&](const auto *chars, qsizetype length) {
        end = foldChars(chars, length, out, at);
    });
    return end;
}

qsizetype CSVTextFolding::foldPieces(QAnyStringView text, const quint32 *ends, qsizetype count,
                                     char16_t separator, std::u16string &out) const
{
    Q_ASSERT(m_kind == Kind::Loose);
    qsizetype at = 0;
    visitCharacters(text, [&](const auto *chars, qsizetype) {
        quint32 begin = 0;
        for (qsizetype i = 0; i < count; ++i) {
            if (i > 0) {
                if (qsizetype(out.size()) <= at)
                    out.resize(size_t(at + 1));
                out[size_t(at++)] = separator;
            }
            at = foldChars(chars + begin, qsizetype(ends[i] - begin), out, at);
            begin = ends[i];
        }
    });
    return at;
}

std::u16string CSVTextFolding::fold(QAnyStringView text) const
{
    std::u16string out;
    out.resize(size_t(fold(text, out)));
    return out;
}

template<typename Char>
void CSVTextFolding::foldCharsSegmented(const Char *chars, qsizetype length, Segmented &out) const
{
    out.units.clear();
    out.starts.clear();
    size_t segment = 0;
    for (qsizetype i = 0; i < length;) {
        const Entry &entry = m_entries[char16_t(chars[i])];
        const bool isPair = entry.length == s_surrogate && i + 1 < length &&
                            QChar::isHighSurrogate(char16_t(chars[i])) &&
                            QChar::isLowSurrogate(char16_t(chars[i + 1]));
        const char32_t c = isPair
                               ? QChar::surrogateToUcs4(char16_t(chars[i]), char16_t(chars[i + 1]))
                               : char32_t(char16_t(chars[i]));
        const bool boundary = isPair ? hasBoundaryBefore(c) : entry.boundaryBefore;
        if (boundary || i == 0) {
            sortMarks(out.units, segment);
            segment = out.units.size();
        }
        const size_t first = out.units.size();
        if (isPair)
            out.units += foldCodePoint(c);
        else if (entry.length == 1 || entry.length == s_surrogate)
            out.units += entry.value;
        else
            out.units.append(m_expansions, entry.value, entry.length);
        out.starts.resize(out.units.size(), -1);
        if ((boundary || i == 0) && first < out.units.size())
            out.starts[first] = qint32(i);
        i += isPair ? 2 : 1;
    }
    sortMarks(out.units, segment);
    out.starts.push_back(qint32(length));
}

void CSVTextFolding::foldSegmented(QAnyStringView text, Segmented &out) const
{
    visitCharacters(
        text, [&](const auto *chars, qsizetype length) { foldCharsSegmented(chars, length, out); });
}

// Canonical order: within each run of combining marks, marks of a lower combining class come
// first, and marks of the same class keep their order.
void CSVTextFolding::sortMarks(std::u16string &units, size_t from) const
{
    if (m_kind == Kind::Loose || units.size() < from + 3)
        return;
    const auto combiningClass = [](char16_t unit) { return u_getCombiningClass(UChar32(unit)); };
    for (size_t i = from + 1; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const uint8_t ccc = combiningClass(unit);
        if (ccc == 0)
            continue;
        size_t j = i;
        for (; j > from && combiningClass(units[j - 1]) > ccc; --j)
            units[j] = units[j - 1];
        units[j] = unit;
    }
}

#include "CSVTextFolding.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t s_planeSize = 0x10000;
constexpr quint64 s_eachByte = 0x0101010101010101ull;
constexpr quint64 s_highBits = 0x8080808080808080ull;

// Eight ASCII characters in lower case at once: the loose folding of ASCII.
quint64 lowerAscii(quint64 word)
{
    const quint64 fromA = word + (0x80 - 'A') * s_eachByte;
    const quint64 pastZ = word + (0x80 - 'Z' - 1) * s_eachByte;
    return word | (((fromA & ~pastZ) & s_highBits) >> 2);
}

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
    // Each table is made when first asked for.
    switch (kind) {
    case Kind::Loose: {
        static const CSVTextFolding s_loose(Kind::Loose);
        return s_loose;
    }
    case Kind::Canonical: {
        static const CSVTextFolding s_canonical(Kind::Canonical);
        return s_canonical;
    }
    case Kind::CanonicalCaseless:
        break;
    }
    static const CSVTextFolding s_caseless(Kind::CanonicalCaseless);
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
        }
    }
    if (kind == Kind::Loose)
        makeUtf8Entries();
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

void CSVTextFolding::makeUtf8Entries()
{
    m_utf8Entries.resize(s_planeSize);
    for (size_t c = 0; c < s_planeSize; ++c) {
        const Entry &entry = m_entries[c];
        Utf8Entry &utf8 = m_utf8Entries[c];
        const QByteArray bytes = QStringView(utf16Folding(char16_t(c))).toUtf8();
        // A character beyond the Basic Multilingual Plane takes two units and four bytes.
        m_longestUtf8 = std::max(m_longestUtf8, qsizetype(bytes.size()));
        if (entry.length == s_surrogate || bytes.size() > 3) {
            utf8.length = s_longUtf8;
            continue;
        }
        utf8.length = quint8(bytes.size());
        std::copy(bytes.begin(), bytes.end(), utf8.bytes);
        if (c < 0x100 && bytes.size() == 1 && bytes[0] != '\0')
            m_latin1Bytes[c] = bytes[0];
    }
}

std::u16string CSVTextFolding::utf16Folding(char16_t unit) const
{
    const Entry &entry = m_entries[unit];
    if (entry.length == s_surrogate)
        return std::u16string(1, unit);
    if (entry.length == 1)
        return std::u16string(1, entry.value);
    return m_expansions.substr(entry.value, entry.length);
}

// Room for length units is reserved. Latin-1 text is folded eight ASCII characters at once,
// the others through a table of 256 (every Latin-1 character folds to at most three bytes).
template<typename Char>
char *CSVTextFolding::foldCharsUtf8(const Char *chars, qsizetype length, char *to) const
{
    if constexpr (sizeof(Char) == 1) {
        qsizetype i = 0;
        for (; i + 8 <= length; i += 8) {
            quint64 word = 0;
            std::memcpy(&word, chars + i, 8);
            if (word & s_highBits) {
                to = foldLatin1Utf8(chars + i, 8, to);
                continue;
            }
            word = lowerAscii(word);
            std::memcpy(to, &word, 8);
            to += 8;
        }
        return foldLatin1Utf8(chars + i, length - i, to);
    }
    const Utf8Entry *entries = m_utf8Entries.data();
    for (qsizetype i = 0; i < length; ++i) {
        const Utf8Entry &entry = entries[char16_t(chars[i])];
        if (entry.length != s_longUtf8) {
            std::memcpy(to, entry.bytes, 3);
            to += entry.length;
            continue;
        }
        const char16_t unit = char16_t(chars[i]);
        const bool isPair = QChar::isHighSurrogate(unit) && i + 1 < length &&
                            QChar::isLowSurrogate(char16_t(chars[i + 1]));
        const QByteArray bytes =
            QStringView(isPair ? foldCodePoint(QChar::surrogateToUcs4(unit, char16_t(chars[++i])))
                               : utf16Folding(unit))
                .toUtf8();
        to = std::copy(bytes.begin(), bytes.end(), to);
    }
    return to;
}

char *CSVTextFolding::foldLatin1Utf8(const uchar *chars, qsizetype length, char *to) const
{
    for (qsizetype i = 0; i < length; ++i) {
        if (const char byte = m_latin1Bytes[chars[i]]) {
            *to++ = byte;
            continue;
        }
        const Utf8Entry &entry = m_utf8Entries[chars[i]];
        std::memcpy(to, entry.bytes, 3);
        to += entry.length;
    }
    return to;
}

// Three bytes more than the text needs: each short folding is copied as three bytes.
char *CSVTextFolding::reserveUtf8(std::string &out, qsizetype at, qsizetype length) const
{
    const size_t needed = size_t(at + length * m_longestUtf8 + 3);
    if (out.size() < needed)
        out.resize(needed);
    return out.data() + at;
}

qsizetype CSVTextFolding::foldUtf8(QAnyStringView text, std::string &out, qsizetype at) const
{
    Q_ASSERT(m_kind == Kind::Loose);
    qsizetype end = at;
    visitCharacters(text, [&](const auto *chars, qsizetype length) {
        char *to = reserveUtf8(out, at, length);
        end = foldCharsUtf8(chars, length, to) - out.data();
    });
    return end;
}

qsizetype CSVTextFolding::foldPiecesUtf8(QAnyStringView text, const quint32 *ends, qsizetype count,
                                         char separator, std::string &out) const
{
    Q_ASSERT(m_kind == Kind::Loose);
    qsizetype end = 0;
    visitCharacters(text, [&](const auto *chars, qsizetype length) {
        char *to = reserveUtf8(out, 0, length + count);
        quint32 begin = 0;
        for (qsizetype i = 0; i < count; ++i) {
            if (i > 0)
                *to++ = separator;
            to = foldCharsUtf8(chars + begin, qsizetype(ends[i] - begin), to);
            begin = ends[i];
        }
        end = to - out.data();
    });
    return end;
}

std::u16string CSVTextFolding::fold(QAnyStringView text) const
{
    Segmented segmented;
    foldSegmented(text, segmented);
    return std::move(segmented.units);
}

template<typename Char>
void CSVTextFolding::foldCharsSegmented(const Char *chars, qsizetype length, Segmented &out) const
{
    out.units.clear();
    out.starts.clear();
    size_t segment = 0;
    for (qsizetype i = 0; i < length;) {
        const Entry &entry = m_entries[char16_t(chars[i])];
        if (entry.length == 1 && (entry.boundaryBefore || i == 0)) {
            if (out.units.size() >= segment + 3)
                sortMarks(out.units, segment);
            segment = out.units.size();
            out.units.push_back(entry.value);
            out.starts.push_back(qint32(i++));
            continue;
        }
        const bool isPair = entry.length == s_surrogate && i + 1 < length &&
                            QChar::isHighSurrogate(char16_t(chars[i])) &&
                            QChar::isLowSurrogate(char16_t(chars[i + 1]));
        const char32_t c = isPair
                               ? QChar::surrogateToUcs4(char16_t(chars[i]), char16_t(chars[i + 1]))
                               : char32_t(char16_t(chars[i]));
        const bool boundary = (isPair ? hasBoundaryBefore(c) : entry.boundaryBefore) || i == 0;
        if (boundary) {
            sortMarks(out.units, segment);
            segment = out.units.size();
        }
        const size_t first = out.units.size();
        if (isPair)
            out.units += foldCodePoint(c);
        else
            out.units += utf16Folding(char16_t(c));
        out.starts.resize(out.units.size(), -1);
        if (boundary && first < out.units.size())
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
// first, and marks of the same class keep their order. A segment needs three units for a run
// of two marks.
void CSVTextFolding::sortMarks(std::u16string &units, size_t from) const
{
    if (m_kind == Kind::Loose)
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

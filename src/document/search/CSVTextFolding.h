#pragma once

#include <QAnyStringView>
#include <QString>

#include <array>
#include <string>
#include <type_traits>
#include <vector>

// Calls visit(chars, length) with the characters of text as they are stored: one byte each
// (Latin-1) or UTF-16 units; UTF-8 text is converted first.
template<typename Visit>
void visitCharacters(QAnyStringView text, Visit visit)
{
    text.visit([&visit](auto view) {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QLatin1StringView>) {
            visit(reinterpret_cast<const uchar *>(view.data()), view.size());
        } else if constexpr (std::is_same_v<View, QStringView>) {
            visit(reinterpret_cast<const char16_t *>(view.utf16()), view.size());
        } else {
            const QString copy = view.toString();
            visit(reinterpret_cast<const char16_t *>(copy.utf16()), copy.size());
        }
    });
}

// How search compares texts: both are folded the same way, then compared unit by unit.
//  - Loose (the search filter): full case folding, canonical decomposition, and no combining
//    marks, so "ÉCOLE" and "ecole" fold alike.
//  - Canonical (find): canonical decomposition in canonical order, so canonically equivalent
//    texts fold alike and diacritical marks count.
//  - CanonicalCaseless (find, ignoring case): the same after full case folding.
// Every character of the Basic Multilingual Plane is looked up in a table made once from ICU,
// so a pass over a million rows costs a lookup per character instead of a call into ICU.
class CSVTextFolding
{
public:
    enum class Kind { Loose, Canonical, CanonicalCaseless };

    // The folding of a kind, made on first use; safe to use from several threads.
    static const CSVTextFolding &forKind(Kind kind);

    std::u16string fold(QAnyStringView text) const;
    // The loose folding as UTF-8, into out from position at, growing out as needed; answers the
    // new end. Texts folded so compare as substrings byte by byte, which the C library does
    // fastest.
    qsizetype foldUtf8(QAnyStringView text, std::string &out, qsizetype at = 0) const;
    // Folds the pieces of text that end at ends[0], ..., ends[count - 1], joined by the
    // separator, into out as UTF-8; answers the length written.
    qsizetype foldPiecesUtf8(QAnyStringView text, const quint32 *ends, qsizetype count,
                             char separator, std::string &out) const;

    // The folding of text in segments: a segment is one character with the combining marks
    // after it, folded. starts[i] is the offset in text of the segment that begins at out[i],
    // or -1 when out[i] lies inside a segment; starts[out.size()] is the length of text. A
    // match of folded texts that starts and ends on segments matches whole characters.
    struct Segmented
    {
        std::u16string units;
        std::vector<qint32> starts;

        bool isSegmentBoundary(qsizetype index) const { return starts[size_t(index)] >= 0; }
    };
    void foldSegmented(QAnyStringView text, Segmented &out) const;

private:
    struct Entry
    {
        char16_t value = 0; // the folded unit, or where the expansion starts
        quint8 length = 0;  // units of the folding; s_surrogate for a surrogate
        bool boundaryBefore = true;
    };
    static constexpr quint8 s_surrogate = 0xFF;
    // The UTF-8 of a folding of up to three bytes; longer ones, and surrogates, are made anew.
    struct Utf8Entry
    {
        quint8 length = 0;
        char bytes[3] = {};
    };
    static constexpr quint8 s_longUtf8 = 0xFF;

    explicit CSVTextFolding(Kind kind);
    std::u16string foldCodePoint(char32_t c) const;
    bool hasBoundaryBefore(char32_t c) const;
    void makeUtf8Entries();
    std::u16string utf16Folding(char16_t unit) const;
    char *reserveUtf8(std::string &out, qsizetype at, qsizetype length) const;
    template<typename Char>
    char *foldCharsUtf8(const Char *chars, qsizetype length, char *to) const;
    char *foldLatin1Utf8(const uchar *chars, qsizetype length, char *to) const;
    template<typename Char>
    void foldCharsSegmented(const Char *chars, qsizetype length, Segmented &out) const;
    void sortMarks(std::u16string &units, size_t from) const;

    Kind m_kind;
    std::vector<Entry> m_entries;
    std::u16string m_expansions;
    std::vector<Utf8Entry> m_utf8Entries;
    // The one byte a Latin-1 character folds to, or 0.
    std::array<char, 0x100> m_latin1Bytes = {};
    qsizetype m_longestUtf8 = 4;
};

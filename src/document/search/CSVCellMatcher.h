#pragma once

#include "CSVTextFolding.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class RegexMatcher;
class RegexPattern;
U_NAMESPACE_END

// The find dialog's test of one cell, and the cell's text after replacing, for one search.
//
// Plain text matches where the cell holds the search text as a run of whole characters,
// canonically equivalent texts counting as equal, and letter case not counting when asked;
// diacritical marks count. An empty search text matches nothing.
// A regular expression (ICU syntax) is compiled once here, with the case-insensitive flag when
// asked, and matches anywhere in a cell that is not empty. An invalid one matches nothing, and
// errorDescription() says why.
class CSVCellMatcher
{
public:
    CSVCellMatcher(const QString &searchText, bool ignoreCase, bool useRegex);
    ~CSVCellMatcher();
    CSVCellMatcher(const CSVCellMatcher &) = delete;
    CSVCellMatcher &operator=(const CSVCellMatcher &) = delete;

    bool isValid() const { return m_error.isEmpty(); }
    // ICU's error and where in the pattern it lies; empty for a valid search.
    const QString &errorDescription() const { return m_error; }

    bool matches(QAnyStringView cell);
    // The cell with every match replaced: plain text by the replacement taken literally,
    // left to right without overlaps; a regular expression by the replacement as an ICU
    // template ("$1" a group, a backslash quotes). None for an invalid pattern or template.
    std::optional<QString> replaced(const QString &cell, const QString &replacement);

private:
    bool matchesPlain(QAnyStringView cell);
    bool matchesRegex(QAnyStringView cell);
    // Where the search text occurs in the folded cell from from on, on whole characters;
    // npos for nowhere.
    size_t findPlain(const CSVTextFolding::Segmented &cell, size_t from) const;
    std::optional<QString> replacedRegex(const QString &cell, const QString &replacement);

    bool m_ignoreCase;
    const CSVTextFolding *m_folding = nullptr;
    std::u16string m_text;
    bool m_isAsciiText = true;
    CSVTextFolding::Segmented m_cell;
    std::unique_ptr<icu::RegexPattern> m_regexPattern;
    std::unique_ptr<icu::RegexMatcher> m_regex;
    QString m_error;
};

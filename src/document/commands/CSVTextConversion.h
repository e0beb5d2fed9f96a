#pragma once

#include <QString>
#include <QStringView>

#include <string>

// The conversions of cell text that the "Convert to" items send by tag. Each is the same in
// every locale: a file converted on one machine reads the same as on another.
namespace CSVTextConversion {

enum Tag { Uppercase = 0, Lowercase = 1, Capitalize = 2, TrimSpaces = 3, Empty = 99 };

// The text under the conversion of tag, kept in out; any other tag answers the empty text.
// - Uppercase, Lowercase: full Unicode case mappings (Straße becomes STRASSE).
// - Capitalize: in every word the first character in title case, the others in lower case;
//   words are delimited by blanks, tabs and line terminators.
// - TrimSpaces: without leading and trailing space separators and tabs; a line feed or a
//   carriage return stops the trimming.
QStringView convert(int tag, QStringView text, std::u16string &out);

// The undo step name of the conversion of tag; the empty name for any other tag.
QString stepName(int tag);

} // namespace CSVTextConversion

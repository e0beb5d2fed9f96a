#include "StringEncodingTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr quint32 Roman = 0;

// clang-format off
constexpr std::array s_entries = {
    StringEncodingInfo{StringEncodings::UTF8, "UTF-8", "Unicode (UTF-8)", "utf-8", StringEncodingTable::UnicodeScript},
    StringEncodingInfo{StringEncodings::UTF16, "UTF-16", "Unicode (UTF-16)", "utf-16", StringEncodingTable::UnicodeScript},
    StringEncodingInfo{StringEncodings::UTF16BigEndian, "UTF-16BE", "Unicode (UTF-16BE)", "utf-16be", StringEncodingTable::UnicodeScript},
    StringEncodingInfo{StringEncodings::UTF16LittleEndian, "UTF-16LE", "Unicode (UTF-16LE)", "utf-16le", StringEncodingTable::UnicodeScript},
    StringEncodingInfo{StringEncodings::UTF32, "UTF-32", "Unicode (UTF-32)", "utf-32", StringEncodingTable::UnicodeScript},
    StringEncodingInfo{StringEncodings::UTF32BigEndian, "UTF-32BE", "Unicode (UTF-32BE)", "utf-32be", StringEncodingTable::UnicodeScript},
    StringEncodingInfo{StringEncodings::UTF32LittleEndian, "UTF-32LE", "Unicode (UTF-32LE)", "utf-32le", StringEncodingTable::UnicodeScript},
    StringEncodingInfo{StringEncodings::MacRoman, "macintosh", "Western (Mac OS Roman)", "macintosh", Roman},
    StringEncodingInfo{StringEncodings::ISOLatin1, "ISO-8859-1", "Western (ISO Latin 1)", "iso-8859-1", Roman},
    StringEncodingInfo{StringEncodings::WindowsCP1252, "windows-1252", "Western (Windows Latin 1)", "windows-1252", Roman},
};
// clang-format on

} // namespace

std::span<const StringEncodingInfo> StringEncodingTable::entries()
{
    return s_entries;
}

const StringEncodingInfo *StringEncodingTable::find(StringEncoding encoding)
{
    const auto it = std::find_if(s_entries.begin(), s_entries.end(), [encoding](const auto &entry) {
        return entry.encoding == encoding;
    });
    return it == s_entries.end() ? nullptr : &*it;
}

QString StringEncodingTable::displayName(StringEncoding encoding)
{
    const StringEncodingInfo *info = find(encoding);
    return info ? QString::fromUtf8(info->displayName) : QString();
}

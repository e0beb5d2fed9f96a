#pragma once

#include "StringEncoding.h"

#include <QString>

#include <span>

// What the product knows of one encoding.
struct StringEncodingInfo
{
    StringEncoding encoding;
    const char *converterName; // ICU converter name
    const char *ianaName;      // charset name, as used in MIME headers
    // The script the encoding belongs to; menus list Unicode first, then group by script.
    quint32 scriptGroup;
};

class StringEncodingTable
{
public:
    // Unicode encodings belong to this script group.
    static constexpr quint32 UnicodeScript = 0x100;

    // Every encoding the product offers, in menu order: Unicode first, then by script group.
    static std::span<const StringEncodingInfo> entries();
    // The entry for an encoding, or nullptr when the product does not know it.
    static const StringEncodingInfo *find(StringEncoding encoding);
    // The display name, or an empty string for an unknown encoding. The names are texts of the
    // string table ("LSEncoding_" and the IANA name), so they follow the user's language.
    static QString displayName(StringEncoding encoding);
    static QString displayName(const StringEncodingInfo &info);
    static QString displayNameKey(const StringEncodingInfo &info);
    // The entry for a charset name ("utf-8", "Latin1", "cp1252"), compared without regard to
    // case: an entry's own IANA name first, else the first entry whose converter ICU knows by
    // that name. nullptr when none matches.
    static const StringEncodingInfo *findByCharsetName(QStringView name);
};

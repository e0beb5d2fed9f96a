#include "StringEncodingTable.h"

#include "foundation/LocalizedStrings.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>

namespace {

// Script groups: the numbers of the Mac OS script each encoding is closest to. Menus have
// always been ordered by them, so users find each family where they expect it.
enum ScriptGroup : quint32 {
    Roman = 0,
    Japanese = 1,
    TraditionalChinese = 2,
    Korean = 3,
    Arabic = 4,
    Hebrew = 5,
    Greek = 6,
    Cyrillic = 7,
    Thai = 21,
    SimplifiedChinese = 25,
    CentralEuropean = 29,
    Vietnamese = 30,
    Turkish = 35,
    Icelandic = 37,
    Celtic = 39,
    Ukrainian = 0x98,
    Unicode = StringEncodingTable::UnicodeScript,
};

// Menu order; within a group, by the number of the converter family code. Encodings that ICU
// cannot convert are not offered: the Mac OS encodings of Japanese, Chinese, Korean, Arabic,
// Hebrew, Thai and the smaller Roman variants, Symbol, NEXTSTEP, non-lossy ASCII, ISO Latin 10,
// Johab, Shift JIS X0213, Big 5-E, VISCII and EBCDIC US.
// clang-format off
constexpr std::array s_entries = {
    StringEncodingInfo{StringEncodings::UTF16, "UTF-16", "utf-16", Unicode},
    StringEncodingInfo{0x84000100, "UTF-7", "utf-7", Unicode},
    StringEncodingInfo{StringEncodings::UTF8, "UTF-8", "utf-8", Unicode},
    StringEncodingInfo{StringEncodings::UTF32, "UTF-32", "utf-32", Unicode},
    StringEncodingInfo{StringEncodings::UTF16BigEndian, "UTF-16BE", "utf-16be", Unicode},
    StringEncodingInfo{StringEncodings::UTF16LittleEndian, "UTF-16LE", "utf-16le", Unicode},
    StringEncodingInfo{StringEncodings::UTF32BigEndian, "UTF-32BE", "utf-32be", Unicode},
    StringEncodingInfo{StringEncodings::UTF32LittleEndian, "UTF-32LE", "utf-32le", Unicode},

    StringEncodingInfo{StringEncodings::MacRoman, "macintosh", "macintosh", Roman},
    StringEncodingInfo{StringEncodings::ISOLatin1, "ISO-8859-1", "iso-8859-1", Roman},
    StringEncodingInfo{0x80000203, "ISO-8859-3", "iso-8859-3", Roman},
    StringEncodingInfo{0x8000020A, "ISO-8859-10", "iso-8859-10", Roman},
    StringEncodingInfo{0x8000020F, "ISO-8859-15", "iso-8859-15", Roman},
    StringEncodingInfo{0x80000400, "IBM437", "cp437", Roman},
    StringEncodingInfo{0x80000410, "IBM850", "cp850", Roman},
    StringEncodingInfo{0x80000415, "IBM860", "cp860", Roman},
    StringEncodingInfo{0x80000418, "IBM863", "cp863", Roman},
    StringEncodingInfo{0x8000041A, "IBM865", "cp865", Roman},
    StringEncodingInfo{StringEncodings::WindowsCP1252, "windows-1252", "windows-1252", Roman},
    StringEncodingInfo{StringEncodings::ASCII, "US-ASCII", "us-ascii", Roman},
    StringEncodingInfo{0x80000C02, "IBM037", "ibm037", Roman},

    StringEncodingInfo{StringEncodings::WindowsJapanese, "windows-31j", "windows-31j", Japanese},
    StringEncodingInfo{StringEncodings::ISO2022JP, "ISO-2022-JP", "iso-2022-jp", Japanese},
    StringEncodingInfo{0x80000821, "ISO-2022-JP-2", "iso-2022-jp-2", Japanese},
    StringEncodingInfo{0x80000822, "ISO-2022-JP-1", "iso-2022-jp-1", Japanese},
    StringEncodingInfo{StringEncodings::EUCJP, "EUC-JP", "euc-jp", Japanese},
    StringEncodingInfo{StringEncodings::ShiftJIS, "Shift_JIS", "shift_jis", Japanese},

    StringEncodingInfo{0x80000423, "windows-950", "cp950", TraditionalChinese},
    StringEncodingInfo{0x80000931, "EUC-TW", "euc-tw", TraditionalChinese},
    StringEncodingInfo{StringEncodings::Big5, "Big5", "big5", TraditionalChinese},
    StringEncodingInfo{0x80000A06, "Big5-HKSCS", "big5-hkscs", TraditionalChinese},

    StringEncodingInfo{0x80000422, "windows-949", "cp949", Korean},
    StringEncodingInfo{0x80000840, "ISO-2022-KR", "iso-2022-kr", Korean},
    StringEncodingInfo{StringEncodings::EUCKR, "EUC-KR", "euc-kr", Korean},

    StringEncodingInfo{0x80000206, "ISO-8859-6", "iso-8859-6", Arabic},
    StringEncodingInfo{0x80000419, "IBM864", "cp864", Arabic},
    StringEncodingInfo{0x80000506, "windows-1256", "windows-1256", Arabic},

    StringEncodingInfo{0x80000208, "ISO-8859-8", "iso-8859-8", Hebrew},
    StringEncodingInfo{0x80000417, "IBM862", "cp862", Hebrew},
    StringEncodingInfo{0x80000505, "windows-1255", "windows-1255", Hebrew},

    StringEncodingInfo{0x80000006, "x-mac-greek", "x-mac-greek", Greek},
    StringEncodingInfo{0x80000207, "ISO-8859-7", "iso-8859-7", Greek},
    StringEncodingInfo{0x80000405, "ibm-737", "cp737", Greek},
    StringEncodingInfo{0x80000411, "IBM851", "cp851", Greek},
    StringEncodingInfo{0x8000041C, "IBM869", "cp869", Greek},
    StringEncodingInfo{13, "windows-1253", "windows-1253", Greek},

    StringEncodingInfo{0x80000007, "x-mac-cyrillic", "x-mac-cyrillic", Cyrillic},
    StringEncodingInfo{0x80000205, "ISO-8859-5", "iso-8859-5", Cyrillic},
    StringEncodingInfo{0x80000413, "IBM855", "cp855", Cyrillic},
    StringEncodingInfo{0x8000041B, "IBM866", "cp866", Cyrillic},
    StringEncodingInfo{StringEncodings::WindowsCP1251, "windows-1251", "windows-1251", Cyrillic},
    StringEncodingInfo{StringEncodings::KOI8R, "KOI8-R", "koi8-r", Cyrillic},

    StringEncodingInfo{0x8000020B, "ISO-8859-11", "iso-8859-11", Thai},
    StringEncodingInfo{0x8000041D, "windows-874", "windows-874", Thai},

    StringEncodingInfo{0x80000421, "windows-936", "cp936", SimplifiedChinese},
    StringEncodingInfo{0x80000631, "GBK", "gbk", SimplifiedChinese},
    StringEncodingInfo{StringEncodings::GB18030, "gb18030", "gb18030", SimplifiedChinese},
    StringEncodingInfo{0x80000830, "ISO-2022-CN", "iso-2022-cn", SimplifiedChinese},
    StringEncodingInfo{0x80000831, "ISO-2022-CN-EXT", "iso-2022-cn-ext", SimplifiedChinese},
    StringEncodingInfo{StringEncodings::EUCCN, "EUC-CN", "gb2312", SimplifiedChinese},
    StringEncodingInfo{0x80000A05, "HZ-GB-2312", "hz-gb-2312", SimplifiedChinese},

    StringEncodingInfo{0x8000001D, "x-mac-centraleurroman", "x-mac-ce", CentralEuropean},
    StringEncodingInfo{9, "ISO-8859-2", "iso-8859-2", CentralEuropean},
    StringEncodingInfo{0x80000204, "ISO-8859-4", "iso-8859-4", CentralEuropean},
    StringEncodingInfo{0x8000020D, "ISO-8859-13", "iso-8859-13", CentralEuropean},
    StringEncodingInfo{0x80000406, "IBM775", "cp775", CentralEuropean},
    StringEncodingInfo{0x80000412, "IBM852", "cp852", CentralEuropean},
    StringEncodingInfo{15, "windows-1250", "windows-1250", CentralEuropean},
    StringEncodingInfo{0x80000507, "windows-1257", "windows-1257", CentralEuropean},

    StringEncodingInfo{0x80000508, "windows-1258", "windows-1258", Vietnamese},

    StringEncodingInfo{0x80000023, "x-mac-turkish", "x-mac-turkish", Turkish},
    StringEncodingInfo{0x80000209, "ISO-8859-9", "iso-8859-9", Turkish},
    StringEncodingInfo{0x80000414, "IBM857", "cp857", Turkish},
    StringEncodingInfo{14, "windows-1254", "windows-1254", Turkish},

    StringEncodingInfo{0x80000416, "IBM861", "cp861", Icelandic},

    StringEncodingInfo{0x8000020E, "ISO-8859-14", "iso-8859-14", Celtic},

    StringEncodingInfo{0x80000A08, "KOI8-U", "koi8-u", Ukrainian},
};
// clang-format on

// ICU's own name of the converter a charset name stands for, or nullptr.
const char *icuConverterName(const char *name)
{
    UErrorCode status = U_ZERO_ERROR;
    const char *converter = ucnv_getAlias(name, 0, &status);
    return U_SUCCESS(status) ? converter : nullptr;
}

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
    return info ? displayName(*info) : QString();
}

QString StringEncodingTable::displayName(const StringEncodingInfo &info)
{
    return localized(displayNameKey(info));
}

QString StringEncodingTable::displayNameKey(const StringEncodingInfo &info)
{
    return QStringLiteral("LSEncoding_%1").arg(QLatin1String(info.ianaName));
}

const StringEncodingInfo *StringEncodingTable::findByCharsetName(QStringView name)
{
    if (name.isEmpty())
        return nullptr;
    const auto byIanaName = std::find_if(s_entries.begin(), s_entries.end(), [name](const auto &e) {
        return name.compare(QLatin1String(e.ianaName), Qt::CaseInsensitive) == 0;
    });
    if (byIanaName != s_entries.end())
        return &*byIanaName;

    const char *converter = icuConverterName(name.toLatin1().constData());
    if (!converter)
        return nullptr;
    const auto byConverter = std::find_if(s_entries.begin(), s_entries.end(), [&](const auto &e) {
        const char *entryConverter = icuConverterName(e.converterName);
        return entryConverter && qstrcmp(entryConverter, converter) == 0;
    });
    return byConverter == s_entries.end() ? nullptr : &*byConverter;
}

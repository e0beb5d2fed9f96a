#pragma once

#include <QtGlobal>

// Text encodings are numbers everywhere: in presets, settings, pop-up tags and on the command
// line of the developer tools. The numbers are the product's own and are stored in users'
// settings, so they never change. Encodings without a short number of their own are
// 0x80000000 | a code of the converter family they belong to.
using StringEncoding = quint64;

namespace StringEncodings {

inline constexpr StringEncoding ASCII = 1;
inline constexpr StringEncoding EUCJP = 3;
inline constexpr StringEncoding UTF8 = 4;
inline constexpr StringEncoding ISOLatin1 = 5;
inline constexpr StringEncoding WindowsJapanese = 8; // Shift JIS as Windows writes it
inline constexpr StringEncoding UTF16 = 10;          // byte order from the byte-order mark
inline constexpr StringEncoding WindowsCP1251 = 11;
inline constexpr StringEncoding WindowsCP1252 = 12;
inline constexpr StringEncoding ISO2022JP = 21;
inline constexpr StringEncoding MacRoman = 30;
inline constexpr StringEncoding EUCKR = 0x80000940;
inline constexpr StringEncoding EUCCN = 0x80000930; // GB 2312
inline constexpr StringEncoding GB18030 = 0x80000632;
inline constexpr StringEncoding ShiftJIS = 0x80000A01;
inline constexpr StringEncoding KOI8R = 0x80000A02;
inline constexpr StringEncoding Big5 = 0x80000A03;
inline constexpr StringEncoding UTF16BigEndian = 0x90000100;
inline constexpr StringEncoding UTF16LittleEndian = 0x94000100;
inline constexpr StringEncoding UTF32 = 0x8C000100; // byte order from the byte-order mark
inline constexpr StringEncoding UTF32BigEndian = 0x98000100;
inline constexpr StringEncoding UTF32LittleEndian = 0x9C000100;

// Tags pop-up items that are not encodings, and means "no particular encoding" as an argument.
inline constexpr StringEncoding Invalid = 0xFFFFFFFF;

} // namespace StringEncodings

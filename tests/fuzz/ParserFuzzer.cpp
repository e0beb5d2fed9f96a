// Feeds arbitrary bytes to the parser in every encoding, delimiter, trimming and chunk size.
// Besides crashes, hangs and sanitizer reports it catches callbacks out of order, and, for
// valid UTF-8, any difference from the plain unit-by-unit reference walk.

#include "csv/TextConverter.h"

#include "support/ParserRecorder.h"
#include "support/ReferenceCSVWalk.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::array s_encodings = {
    StringEncodings::UTF8,          StringEncodings::UTF8,
    StringEncodings::UTF16,         StringEncodings::UTF16LittleEndian,
    StringEncodings::UTF32,         StringEncodings::ISOLatin1,
    StringEncodings::WindowsCP1252, StringEncodings::MacRoman,
};
constexpr std::array s_delimiters = {u',', u';', u'\t', u'|'};

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    ParseOptions options;
    options.encoding = s_encodings[data[0] % s_encodings.size()];
    options.delimiter = QChar(s_delimiters[(data[0] >> 3) % s_delimiters.size()]);
    options.trimSpaces = (data[0] >> 5) & 1;
    options.backslashEscapes = (data[0] >> 6) & 1;
    options.chunkSize = data[1] % 64; // 0: the default
    const QByteArray bytes(reinterpret_cast<const char *>(data + 2),
                           static_cast<qsizetype>(size - 2));

    const ParseResult result = parse(bytes, options);
    if (!result.isInOrder)
        fail("callbacks out of order", result.log);

    if (options.encoding != StringEncodings::UTF8)
        return 0;
    QString text;
    if (TextConverter(StringEncodings::UTF8).decode(bytes, text, true) !=
        TextConverter::DecodeStatus::Ok)
        return 0;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QString expected =
        ReferenceCSVWalk(options.delimiter.front(), options.trimSpaces, options.backslashEscapes)
            .read(text);
    if (result.log != expected)
        fail("differs from the reference walk", result.log + QStringLiteral("\n") + expected);
    return 0;
}

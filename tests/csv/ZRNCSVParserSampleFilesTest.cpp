#include "csv/StringEncoding.h"

#include "support/ParserRecorder.h"
#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

// Real files with a byte-order mark read the same as their text without it, in whichever of
// its generic or explicit encodings the user chose.
struct SampleCase
{
    const char *name;
    const char *file;
    StringEncoding encoding;
    QStringDecoder::Encoding textEncoding;
};

class ParserSampleFilesTest : public testing::TestWithParam<SampleCase>
{};

TEST_P(ParserSampleFilesTest, ReadsTheTextWithoutItsMark)
{
    const SampleCase &c = GetParam();
    const QByteArray bytes = TestData::read(QStringLiteral("encodings/") + c.file);
    ASSERT_FALSE(bytes.isEmpty());
    QStringDecoder decoder(c.textEncoding); // drops the mark
    const QString text = decoder.decode(bytes);
    ASSERT_FALSE(text.startsWith(QChar(0xFEFF)));

    ParseOptions options;
    options.encoding = c.encoding;
    EXPECT_EQ(parseLog(bytes, options), parseLog(text.toUtf8()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parser, ParserSampleFilesTest, testing::Values(
    SampleCase{"Utf8", "commons-csv_bom_utf-8-bom.csv", StringEncodings::UTF8,
               QStringDecoder::Utf8},
    SampleCase{"Utf16LittleEndian", "commons-csv_japanese_utf-16le-bom.csv",
               StringEncodings::UTF16, QStringDecoder::Utf16LE},
    SampleCase{"Utf16BigEndian", "uchardet_fr_utf-16be-bom.txt", StringEncodings::UTF16,
               QStringDecoder::Utf16BE},
    SampleCase{"ExplicitUtf16", "uchardet_ko_utf-16le-bom.txt",
               StringEncodings::UTF16LittleEndian, QStringDecoder::Utf16LE},
    SampleCase{"Utf32MarkBeginsLikeUtf16", "uchardet_fr_utf-32le-bom.txt", StringEncodings::UTF16,
               QStringDecoder::Utf32LE},
    SampleCase{"Utf32", "uchardet_fr_utf-32le-bom.txt", StringEncodings::UTF32,
               QStringDecoder::Utf32LE}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace

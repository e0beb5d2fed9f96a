#include "csv/ZRNCSVExport.h"
#include "csv/StringEncodingTable.h"
#include "csv/TextConverter.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

struct EscapeCase
{
    const char *name;
    QString value;
    QString expected;
    bool startsLine = false;
    bool forceQuotes = false;
};

class ZRNCSVExportEscapeTest : public ::testing::TestWithParam<EscapeCase>
{};

TEST_P(ZRNCSVExportEscapeTest, QuotesWhatTheReaderWouldTakeApart)
{
    ZRNCSVExport writer;
    writer.setForceQuotes(GetParam().forceQuotes);
    EXPECT_EQ(writer.escapeString(GetParam().value, GetParam().startsLine), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ZRNCSVExportEscapeTest, ::testing::Values(
    EscapeCase{"Plain", u"abc"_qs, u"abc"_qs},
    EscapeCase{"EmptyForced", u""_qs, u"\"\""_qs, false, true},
    EscapeCase{"QuotesDoubledForced", u"\""_qs, u"\"\"\"\""_qs, false, true},
    EscapeCase{"Blank", u"a b"_qs, u"\"a b\""_qs},
    EscapeCase{"CarriageReturn", u"a\rb"_qs, u"\"a\rb\""_qs},
    EscapeCase{"HashStartingALine", u"#1"_qs, u"\"#1\""_qs, true},
    EscapeCase{"HashLaterInALine", u"#1"_qs, u"#1"_qs},
    EscapeCase{"BackslashesAsTheyAre", u"C:\\dir\\"_qs, u"C:\\dir\\"_qs},
    // Long values are looked at eight characters at a time.
    EscapeCase{"LongPlain", u"abcdefghijklmnopqrstuvwxyz"_qs, u"abcdefghijklmnopqrstuvwxyz"_qs},
    EscapeCase{"LongWithParagraphSeparator", u"abc\u2029defghijk"_qs, u"\"abc\u2029defghijk\""_qs},
    EscapeCase{"LongWithVerticalTab", u"abcdefg\vhijk"_qs, u"\"abcdefg\vhijk\""_qs},
    EscapeCase{"LongWithQuoteInTheSecondEight", u"abcdefghij\"klmnopq"_qs, u"\"abcdefghij\"\"klmnopq\""_qs},
    EscapeCase{"LongWithSemicolonAtTheEnd", u"abcdefghijklmnopq;"_qs, u"\"abcdefghijklmnopq;\""_qs}
), caseName);
// clang-format on

// A writer on an in-memory device, for tests that look at the bytes written.
struct Output
{
    Output() { buffer.open(QIODevice::WriteOnly); }

    QBuffer buffer;
    ZRNCSVExport writer{&buffer};
};

// The bytes of a literal, zeros included.
template<qsizetype N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

struct LayoutCase
{
    const char *name;
    StringEncoding encoding;
    int separatorType;
    int lineEndType;
    QByteArray expected;
};

class ZRNCSVExportLayoutTest : public ::testing::TestWithParam<LayoutCase>
{};

// Two calls, so that a byte order mark written once per call would show.
TEST_P(ZRNCSVExportLayoutTest, JoinsFieldsEndsLinesAndMarksTheByteOrderOnce)
{
    Output out;
    out.writer.setEncoding(GetParam().encoding);
    out.writer.setSeparatorType(GetParam().separatorType);
    out.writer.setLineEndType(GetParam().lineEndType);
    ASSERT_TRUE(out.writer.writeRow({u"é"_qs, u"b c"_qs}));
    ASSERT_TRUE(out.writer.writeRows({{u""_qs, u""_qs, u""_qs}, {}}));
    EXPECT_EQ(out.buffer.data(), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Types, ZRNCSVExportLayoutTest, ::testing::Values(
    LayoutCase{"Utf8CommaCrLf", StringEncodings::UTF8, 0, 0, "\xC3\xA9,\"b c\"\r\n,,\r\n\r\n"},
    LayoutCase{"Utf16SemicolonLf", StringEncodings::UTF16, 1, 2,
               raw("\xFF\xFE\xE9\0;\0\"\0b\0 \0c\0\"\0\n\0;\0;\0\n\0\n\0")},
    LayoutCase{"Utf16BigEndianTabCr", StringEncodings::UTF16BigEndian, 2, 1,
               raw("\0\xE9\0\t\0\"\0b\0 \0c\0\"\0\r\0\t\0\t\0\r\0\r")},
    LayoutCase{"Utf32UnknownTypesFallBack", StringEncodings::UTF32, 7, -1,
               raw("\xFF\xFE\0\0\xE9\0\0\0,\0\0\0\"\0\0\0b\0\0\0 \0\0\0c\0\0\0\"\0\0\0"
                          "\r\0\0\0\n\0\0\0,\0\0\0,\0\0\0\r\0\0\0\n\0\0\0\r\0\0\0\n\0\0\0")}
), caseName);
// clang-format on

TEST(ZRNCSVExportTest, EveryEncodingOfferedHoldsTheSyntax)
{
    // The writer reports characters in cells only; the separators, quotation mark and line
    // breaks it adds itself must fit every encoding offered.
    for (const StringEncodingInfo &info : StringEncodingTable::entries()) {
        QByteArray bytes;
        EXPECT_TRUE(TextConverter(info.encoding).encode(u",;\t\" \r\n"_qs, bytes)) << info.ianaName;
    }
}

TEST(ZRNCSVExportTest, UnrepresentableCharacterFailsTheWriteAndSaysWhere)
{
    const QList<QPair<StringEncoding, QString>> cases = {
        {StringEncodings::ShiftJIS, u"ok 😀"_qs},
        {StringEncodings::UTF8, u"x"_qs + QChar(0xDC00) + u"y"_qs},
    };
    QStringList messages;
    for (const auto &[encoding, cell] : cases) {
        Output out;
        out.writer.setEncoding(encoding);
        Error error;
        EXPECT_FALSE(
            out.writer.writeRows({{u"a"_qs, u"b"_qs, u"c"_qs}, {u"a"_qs, u"b"_qs, cell}}, &error));
        EXPECT_EQ(error.code(), ZRNCSVExport::UnrepresentableCharacter);
        messages += error.localizedDescription();
        // Nothing of the failing block is written, so nothing lossy is.
        EXPECT_EQ(out.buffer.data(), QByteArray());
    }
    EXPECT_EQ(messages,
              QStringList({u"Row 2, column 3 holds the character “😀” (U+1F600), which the encoding "
                           "Japanese (Shift JIS) cannot hold. Choose an encoding that can, such as "
                           "Unicode (UTF-8), or change the text."_qs,
                           u"Row 2, column 3 holds the character “"_qs + QChar(0xDC00) +
                               u"” (U+DC00), which the encoding Unicode (UTF-8) cannot hold. "
                               "Choose an encoding that can, such as Unicode (UTF-8), or change "
                               "the text."_qs}));
}

// Rows made up on request, so that a long table need not be held in memory.
class CountingRows : public ZRNCSVRowSource
{
public:
    qsizetype rowCount() const override { return 60000; }
    qsizetype columnCount(qsizetype) const override { return 2; }
    QStringView cell(qsizetype row, qsizetype column) const override
    {
        m_cell = column == 0 ? QString::number(row) : row == 40000 ? u"Ω"_qs : u"x"_qs;
        return m_cell;
    }

private:
    mutable QString m_cell;
};

TEST(ZRNCSVExportTest, FailureDeepInALongTableKeepsOnlyWholeLinesBeforeIt)
{
    Output out;
    out.writer.setEncoding(StringEncodings::ISOLatin1);
    out.writer.setLineEndType(2);
    ASSERT_TRUE(out.writer.writeRow({u"n"_qs, u"v"_qs}));
    Error error;
    EXPECT_FALSE(out.writer.writeRows(CountingRows(), &error));
    // The row number is written in the locale's digit grouping.
    EXPECT_TRUE(error.localizedDescription().startsWith(
        QStringLiteral("Row %1, column 2 ").arg(QLocale().toString(40002))))
        << error.localizedDescription().toStdString();

    const QByteArray written = out.buffer.data();
    ASSERT_TRUE(written.endsWith('\n'));
    const QList<QByteArray> lines = written.chopped(1).split('\n');
    ASSERT_GT(lines.size(), 1);
    ASSERT_LT(lines.size(), 40001);
    for (qsizetype i = 1; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], QByteArray::number(i - 1) + ",x");
}

TEST(ZRNCSVExportTest, DeviceAndEncodingProblemsAreReported)
{
    QBuffer closed;
    ZRNCSVExport writer(&closed);
    Error error;
    EXPECT_FALSE(writer.writeRow({u"a"_qs}, &error));
    EXPECT_EQ(error.code(), ZRNCSVExport::WriteFailed);

    Output out;
    out.writer.setEncoding(0x80000001); // known to the platform, not to ICU
    EXPECT_FALSE(out.writer.writeRow({u"a"_qs}, &error));
    EXPECT_EQ(error.code(), ZRNCSVExport::UnknownEncoding);
}

} // namespace

#include "csv/ZRNCSVExport.h"
#include "csv/StringEncodingTable.h"
#include "csv/TextConverter.h"

#include "support/QtPrinters.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

struct EscapeCase
{
    const char *name;
    QString value;
    bool startsLine;
    bool forceQuotes;
    QString expected;
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
    EscapeCase{"Plain", u"abc"_qs, false, false, u"abc"_qs},
    EscapeCase{"PlainForced", u"abc"_qs, false, true, u"\"abc\""_qs},
    EscapeCase{"Empty", u""_qs, false, false, u""_qs},
    EscapeCase{"EmptyForced", u""_qs, false, true, u"\"\""_qs},
    EscapeCase{"Blank", u"a b"_qs, false, false, u"\"a b\""_qs},
    EscapeCase{"EverySeparator", u"x;y,z\tw"_qs, false, false, u"\"x;y,z\tw\""_qs},
    EscapeCase{"QuotesDoubled", u"say \"hi\""_qs, false, false, u"\"say \"\"hi\"\"\""_qs},
    EscapeCase{"QuotesDoubledForced", u"\""_qs, false, true, u"\"\"\"\""_qs},
    EscapeCase{"LineFeed", u"a\nb"_qs, false, false, u"\"a\nb\""_qs},
    EscapeCase{"CarriageReturn", u"a\rb"_qs, false, false, u"\"a\rb\""_qs},
    EscapeCase{"OtherLineBreaks", u"a\u2028b"_qs, false, false, u"\"a\u2028b\""_qs},
    EscapeCase{"NextLine", u"a\u0085"_qs, false, false, u"\"a\u0085\""_qs},
    EscapeCase{"FormFeed", u"a\fb"_qs, false, false, u"\"a\fb\""_qs},
    EscapeCase{"HashStartingALine", u"#1"_qs, true, false, u"\"#1\""_qs},
    EscapeCase{"HashLaterInALine", u"#1"_qs, false, false, u"#1"_qs},
    EscapeCase{"BackslashesAsTheyAre", u"C:\\dir\\"_qs, false, false, u"C:\\dir\\"_qs},
    EscapeCase{"Emoji", u"👍🏽"_qs, false, false, u"👍🏽"_qs},
    // Long values are looked at eight characters at a time.
    EscapeCase{"LongPlain", u"abcdefghijklmnopqrstuvwxyz"_qs, false, false, u"abcdefghijklmnopqrstuvwxyz"_qs},
    EscapeCase{"LongWithParagraphSeparator", u"abc\u2029defghijk"_qs, false, false, u"\"abc\u2029defghijk\""_qs},
    EscapeCase{"LongWithVerticalTab", u"abcdefg\vhijk"_qs, false, false, u"\"abcdefg\vhijk\""_qs},
    EscapeCase{"LongWithQuoteInTheSecondEight", u"abcdefghij\"klmnopq"_qs, false, false, u"\"abcdefghij\"\"klmnopq\""_qs},
    EscapeCase{"LongWithSemicolonAtTheEnd", u"abcdefghijklmnopq;"_qs, false, false, u"\"abcdefghijklmnopq;\""_qs}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// A writer on an in-memory device, for tests that look at the bytes written.
struct Output
{
    Output() { buffer.open(QIODevice::WriteOnly); }

    QBuffer buffer;
    ZRNCSVExport writer{&buffer};
};

struct LayoutCase
{
    const char *name;
    int separatorType;
    int lineEndType;
    QByteArray expected;
};

class ZRNCSVExportLayoutTest : public ::testing::TestWithParam<LayoutCase>
{};

TEST_P(ZRNCSVExportLayoutTest, JoinsFieldsAndEndsLines)
{
    Output out;
    out.writer.setSeparatorType(GetParam().separatorType);
    out.writer.setLineEndType(GetParam().lineEndType);
    const QList<QStringList> rows = {{u"a"_qs, u"b c"_qs}, {u""_qs, u""_qs, u""_qs}, {}};
    ASSERT_TRUE(out.writer.writeRows(rows));
    EXPECT_EQ(out.buffer.data(), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Types, ZRNCSVExportLayoutTest, ::testing::Values(
    LayoutCase{"CommaCrLf", 0, 0, "a,\"b c\"\r\n,,\r\n\r\n"},
    LayoutCase{"SemicolonLf", 1, 2, "a;\"b c\"\n;;\n\n"},
    LayoutCase{"TabCr", 2, 1, "a\t\"b c\"\r\t\t\r\r"},
    LayoutCase{"UnknownTypesFallBack", 7, -1, "a,\"b c\"\r\n,,\r\n\r\n"}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

struct EncodingCase
{
    const char *name;
    StringEncoding encoding;
    QByteArray expected;
};

class ZRNCSVExportEncodingTest : public ::testing::TestWithParam<EncodingCase>
{};

TEST_P(ZRNCSVExportEncodingTest, OneByteOrderMarkOnlyWhereReadersNeedIt)
{
    Output out;
    out.writer.setEncoding(GetParam().encoding);
    out.writer.setLineEndType(2);
    ASSERT_TRUE(out.writer.writeRow({u"é"_qs}));
    ASSERT_TRUE(out.writer.writeRows({{u"€"_qs}}));
    EXPECT_EQ(out.buffer.data(), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Encodings, ZRNCSVExportEncodingTest, ::testing::Values(
    EncodingCase{"Utf8", StringEncodings::UTF8, "\xC3\xA9\n\xE2\x82\xAC\n"},
    EncodingCase{"Utf16", StringEncodings::UTF16, QByteArray("\xFF\xFE\xE9\0\n\0\xAC\x20\n\0", 10)},
    EncodingCase{"Utf16BigEndian", StringEncodings::UTF16BigEndian, QByteArray("\0\xE9\0\n\x20\xAC\0\n", 8)},
    EncodingCase{"Utf32", StringEncodings::UTF32,
                 QByteArray("\xFF\xFE\0\0\xE9\0\0\0\n\0\0\0\xAC\x20\0\0\n\0\0\0", 20)},
    EncodingCase{"WindowsLatin1", StringEncodings::WindowsCP1252, "\xE9\n\x80\n"}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(ZRNCSVExportTest, EveryEncodingOfferedHoldsTheSyntax)
{
    // The writer reports characters in cells only; the separators, quotation mark and line
    // breaks it adds itself must fit every encoding offered.
    for (const StringEncodingInfo &info : StringEncodingTable::entries()) {
        TextConverter converter(info.encoding);
        QByteArray bytes;
        EXPECT_TRUE(converter.encode(u",;\t\" \r\n"_qs, bytes)) << info.displayName;
    }
}

TEST(ZRNCSVExportTest, UnrepresentableCharacterFailsTheWriteAndSaysWhere)
{
    struct Case
    {
        StringEncoding encoding;
        QString cell;
        QString message;
    };
    const QList<Case> cases = {
        {StringEncodings::WindowsCP1252, u"Жук"_qs,
         u"Row 2, column 3 holds the character “Ж” (U+0416), which the encoding Western "
         "(Windows Latin 1) cannot hold. Choose an encoding that can, such as Unicode (UTF-8), "
         "or change the text."_qs},
        {StringEncodings::ShiftJIS, u"ok 😀"_qs,
         u"Row 2, column 3 holds the character “😀” (U+1F600), which the encoding Japanese "
         "(Shift JIS) cannot hold. Choose an encoding that can, such as Unicode (UTF-8), or "
         "change the text."_qs},
        {StringEncodings::UTF8, u"x"_qs + QChar(0xDC00) + u"y"_qs,
         u"Row 2, column 3 holds the character “"_qs + QChar(0xDC00) +
             u"” (U+DC00), which the encoding Unicode (UTF-8) cannot hold. Choose an encoding "
             "that can, such as Unicode (UTF-8), or change the text."_qs},
    };
    for (const Case &c : cases) {
        Output out;
        out.writer.setEncoding(c.encoding);
        Error error;
        EXPECT_FALSE(out.writer.writeRows({{u"a"_qs, u"b"_qs, u"c"_qs}, {u"a"_qs, u"b"_qs, c.cell}},
                                          &error));
        EXPECT_EQ(error.code(), ZRNCSVExport::UnrepresentableCharacter);
        EXPECT_EQ(error.localizedDescription(), c.message);
        // Nothing of the failing block is written, so nothing lossy is.
        EXPECT_EQ(out.buffer.data(), QByteArray());
    }
}

// Rows made up on request, so that a long table need not be held in memory.
class CountingRows : public ZRNCSVRowSource
{
public:
    CountingRows(qsizetype rows, qsizetype badRow) : m_rows(rows), m_badRow(badRow) {}

    qsizetype rowCount() const override { return m_rows; }
    qsizetype columnCount(qsizetype) const override { return 2; }
    QStringView cell(qsizetype row, qsizetype column) const override
    {
        m_cell = column == 0 ? QString::number(row) : row == m_badRow ? u"Ω"_qs : u"x"_qs;
        return m_cell;
    }

private:
    qsizetype m_rows;
    qsizetype m_badRow;
    mutable QString m_cell;
};

TEST(ZRNCSVExportTest, FailureDeepInALongTableKeepsOnlyWholeLinesBeforeIt)
{
    Output out;
    out.writer.setEncoding(StringEncodings::ISOLatin1);
    out.writer.setLineEndType(2);
    ASSERT_TRUE(out.writer.writeRow({u"n"_qs, u"v"_qs}));
    Error error;
    EXPECT_FALSE(out.writer.writeRows(CountingRows(60000, 40000), &error));
    EXPECT_TRUE(error.localizedDescription().startsWith(u"Row 40002, column 2 "_qs))
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

#include "csv/ZRNCSVParser.h"

#include "foundation/NotFound.h"
#include "support/ParserRecorder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct ReadingCase
{
    const char *name;
    QString input;
    QString expected;
    ParseOptions options = {};
};

ParseOptions trimming()
{
    ParseOptions options;
    options.trimSpaces = true;
    return options;
}

ParseOptions delimitedBy(const QString &delimiter)
{
    ParseOptions options;
    options.delimiter = delimiter;
    return options;
}

class ParserReadingTest : public testing::TestWithParam<ReadingCase>
{};

TEST_P(ParserReadingTest, ReportsLinesAndFields)
{
    const ReadingCase &c = GetParam();
    EXPECT_EQ(parseLog(c.input.toUtf8(), c.options), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parser, ParserReadingTest, testing::Values(
    ReadingCase{"LineFeeds", "a,b\nc,d", R"(1["a","b"] 2["c","d"] end)"},
    ReadingCase{"CarriageReturns", "a,b\rc,d", R"(1["a","b"] 2["c","d"] end)"},
    ReadingCase{"CRLF", "a,b\r\nc,d\r\n", R"(1["a","b"] 2["c","d"] end)"},
    ReadingCase{"FinalLineBreakMakesNoLine", "a\n", R"(1["a"] end)"},
    ReadingCase{"Empty", "", "end"},
    ReadingCase{"QuotedDelimiter", "\"x, y\",z", R"(1["x, y","z"] end)"},
    ReadingCase{"DoubledQuotes", "\"say \"\"hi\"\"\"", R"(1["say \"hi\""] end)"},
    ReadingCase{"EmptyQuoted", "\"\"", R"(1[""] end)"},
    ReadingCase{"DoubledQuotesUnquoted", "a\"\"b", R"(1["a\"b"] end)"},
    ReadingCase{"TripleQuotesUndoubleLeftToRight", "a\"\"\"b", R"(1["a\"\"b"] end)"},
    ReadingCase{"QuotedLineBreaks", "\"a\nb\",c\r\n\"d\r\ne\"", R"(1["a\nb","c"] 2["d\r\ne"] end)"},
    ReadingCase{"QuotedLeadingDelimiter", "\",a\"", R"(1[",a"] end)"},
    ReadingCase{"TrailingDelimiterBeforeLineBreak", "a,\nb", R"(1["a",""] 2["b"] end)"},
    ReadingCase{"TrailingDelimiterAtEnd", "a,", R"(1["a"] end)"},
    ReadingCase{"OnlyDelimiters", ",,\n", R"(1["","",""] end)"},
    ReadingCase{"EscapedDelimiter", "\\,x", R"(1["\\,x"] end)"},
    ReadingCase{"EscapedQuoteInQuotes", "\"a\\\"b\",c", R"(1["a\\\"b","c"] end)"},
    ReadingCase{"EscapedLineBreak", "a\\\nb,c", R"(1["a\\\nb","c"] end)"},
    ReadingCase{"SingleQuoteAtEnd", "a,\"", R"(1["a","\""] end)"},
    ReadingCase{"UnclosedQuoteRunsToEnd", "\"a,b\nc", R"(1["\"a,b\nc"] end)"},
    ReadingCase{"CommentFirstLine", "#comment\na,b", R"(1["a","b"] end)"},
    ReadingCase{"CommentBetweenLines", "a\n#x,\"y\nb", R"(1["a"] 2["b"] end)"},
    ReadingCase{"HashAfterBlankLineIsData", "a\n\n#x", R"(1["a"] 2["#x"] end)"},
    ReadingCase{"HashWithMarkIsData", "#\u0301x", R"(1["#́x"] end)"},
    ReadingCase{"BlankLineBetween", "a\n\nb", R"(1["a"] 2["b"] end)"},
    ReadingCase{"BlankFirstLine", "\na", R"(1[""] 2["a"] end)"},
    ReadingCase{"BlankLastLine", "a\n\n", R"(1["a"] 2[""] end)"},
    ReadingCase{"UnicodeLineBreaks", "a\u2028b\u0085c", R"(1["a"] 2["b"] 3["c"] end)"},
    ReadingCase{"TrimInsideQuotes", "\" a \",b", R"(1["a","b"] end)", trimming()},
    ReadingCase{"TrimKeepsInnerQuotes", " \"a\" ,b", R"(1["\"a\"","b"] end)", trimming()},
    ReadingCase{"NoTrimKeepsSpaces", " \"a\" ,b", R"(1[" \"a\" ","b"] end)"},
    ReadingCase{"TrimUnicodeSpaces", "\u00A0a\u3000,\tb", R"(1["a","b"] end)", trimming()},
    ReadingCase{"CombiningMarkInField", "e\u0301,x", "1[\"e\u0301\",\"x\"] end"},
    // A mark right after a delimiter is one unit with it, and goes with it.
    ReadingCase{"CombiningMarkAfterDelimiter", "a,\u0301b", R"(1["a","b"] end)"},
    ReadingCase{"CombiningMarkAfterQuote", "\"\u0301a\",b", R"(1["́a","b"] end)"},
    ReadingCase{"EmojiAndCJK", "😀,漢字\n👍🏽,x", R"(1["😀","漢字"] 2["👍🏽","x"] end)"},
    ReadingCase{"Tab", "a\tb,c", R"(1["a","b,c"] end)", delimitedBy("\t")},
    ReadingCase{"VerticalBar", "a|b", R"(1["a","b"] end)", delimitedBy("|")},
    ReadingCase{"NonAsciiDelimiter", "a§b", R"(1["a","b"] end)", delimitedBy("§")}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

struct BytesCase
{
    const char *name;
    QByteArray input;
    QString expected;
    StringEncoding encoding = StringEncodings::UTF8;
};

class ParserBytesTest : public testing::TestWithParam<BytesCase>
{};

// Every chunk size gives the same result: a character, a cluster or a CR LF pair split between
// two chunks is put together again.
TEST_P(ParserBytesTest, ReadsTheSameInEveryChunkSize)
{
    const BytesCase &c = GetParam();
    ParseOptions options;
    options.encoding = c.encoding;
    QString logs;
    for (const qsizetype chunkSize : {1, 2, 3, 4, 5, 7, 64, 0}) {
        options.chunkSize = chunkSize;
        logs += QString::number(chunkSize) + u':' + parseLog(c.input, options) + u'\n';
    }
    QString expected;
    for (const qsizetype chunkSize : {1, 2, 3, 4, 5, 7, 64, 0})
        expected += QString::number(chunkSize) + u':' + c.expected + u'\n';
    EXPECT_EQ(logs, expected);
}

QByteArray utf16le(const char16_t *text)
{
    QByteArray bytes;
    for (; *text; ++text)
        bytes += QByteArray::fromRawData(reinterpret_cast<const char *>(text), 2);
    return bytes;
}

QByteArray utf16be(const char16_t *text)
{
    QByteArray bytes;
    for (; *text; ++text)
        bytes += char(*text >> 8) + QByteArray(1, char(*text & 0xFF));
    return bytes;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parser, ParserBytesTest, testing::Values(
    BytesCase{"MultiByteCharacters", "\xC3\xA9\xE2\x82\xAC,\xF0\x9F\x98\x80x\r\ny",
              "1[\"é€\",\"😀x\"] 2[\"y\"] end"},
    BytesCase{"CRLFPairs", "a\r\n\r\nb\r\n", R"(1["a"] 2["b"] end)"},
    BytesCase{"Clusters", "e\xCC\x81\xCC\x82,\xCC\x81\n\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA",
              "1[\"e\u0301\u0302\",\"\"] 2[\"🇩🇪\"] end"},
    BytesCase{"QuotedAcrossLines", "\"a\r\nb\",\"c\"\"\"\n", "1[\"a\\r\\nb\",\"c\\\"\"] end"},
    BytesCase{"Utf8ByteOrderMarkDropped", "\xEF\xBB\xBFid,x", R"(1["id","x"] end)"},
    BytesCase{"Utf16LittleEndianMark", "\xFF\xFE" + utf16le(u"a,\u00E9"), R"(1["a","é"] end)",
              StringEncodings::UTF16},
    BytesCase{"Utf16BigEndianMark", "\xFE\xFF" + utf16be(u"a,\u00E9"), R"(1["a","é"] end)",
              StringEncodings::UTF16},
    BytesCase{"Utf16WithoutMarkIsBigEndian", utf16be(u"a,b"), R"(1["a","b"] end)",
              StringEncodings::UTF16},
    BytesCase{"Utf32LittleEndianMark", QByteArray("\xFF\xFE\0\0a\0\0\0", 8), R"(1["a"] end)",
              StringEncodings::UTF32},
    BytesCase{"Utf32BigEndianMark", QByteArray("\0\0\xFE\xFF\0\0\0a", 8), R"(1["a"] end)",
              StringEncodings::UTF32},
    BytesCase{"ExplicitUtf16MarkDropped", "\xFF\xFE" + utf16le(u"a"), R"(1["a"] end)",
              StringEncodings::UTF16LittleEndian},
    BytesCase{"Latin1", "caf\xE9", R"(1["café"] end)", StringEncodings::ISOLatin1},
    BytesCase{"Windows1252", "\x80", R"(1["€"] end)", StringEncodings::WindowsCP1252},
    BytesCase{"MacRoman", "\x8E", R"(1["é"] end)", StringEncodings::MacRoman},
    BytesCase{"InvalidByteAfterLines", "a\nb,c\nd\xFF\ne\nf", R"(1["a"] 2["b","c"] 3["d"] fail 1)"},
    BytesCase{"IncompleteLastCharacter", "a\nb\xE2\x82", R"(1["a"] 2["b"] fail 1)"},
    BytesCase{"OddUtf16ByteCount", "\xFF\xFE" + utf16le(u"a\n") + "b", R"(1["a"] fail 1)",
              StringEncodings::UTF16}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(ParserTest, UndecodableBytesSetTheEncodingError)
{
    QString results;
    for (const QByteArray &bytes : {QByteArray("a\n"), QByteArray("a\n\xFF"), QByteArray("a\n\xC3"),
                                    QByteArray(40000, 'a') + "\xFF"}) {
        const ParseResult result = parse(bytes);
        results += QString::number(result.encodingErrorOccured) + u' ' +
                   result.log.section(u' ', -2) + u'|';
    }
    EXPECT_EQ(results, QStringLiteral("0 1[\"a\"] end|1 fail 1|1 fail 1|1 fail 1|"));
}

TEST(ParserTest, FirstLineBreakDecidesTheLineEnd)
{
    QString results;
    for (const char *input : {"a\nb", "a\rb", "a\r\nb", "a\rb\nc", "\"x\ny\"\r\n", "a,b", ""})
        results += QString::number(parse(input).detectedLineEnd) + u' ';
    EXPECT_EQ(results, QStringLiteral("2 1 0 0 2 %1 %1 ").arg(NotFound));
}

} // namespace

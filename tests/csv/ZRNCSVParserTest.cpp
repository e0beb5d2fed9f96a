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

} // namespace

#include "csv/ZRNCSVParser.h"

#include "foundation/NotFound.h"
#include "support/ParserRecorder.h"
#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

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
    // A grapheme cluster would join the mark to the delimiter and lose it with it, or join the
    // delimiter or closing quotation mark to a prepended character and run two fields together.
    ReadingCase{"CombiningMarkAfterDelimiter", "a,\u0301b,,\u0301", "1[\"a\",\"\u0301b\",\"\",\"\u0301\"] end"},
    ReadingCase{"CombiningMarkAfterQuote", "\"\u0301a\",b", R"(1["́a","b"] end)"},
    ReadingCase{"PrependedCharacterBeforeDelimiter", "x\u0600,y\n\"\u0600\",z",
                "1[\"x\u0600\",\"y\"] 2[\"\u0600\",\"z\"] end"},
    ReadingCase{"EmojiAndCJK", "😀,漢字\n👍🏽,x", R"(1["😀","漢字"] 2["👍🏽","x"] end)"},
    ReadingCase{"Tab", "a\tb,c", R"(1["a","b,c"] end)", delimitedBy("\t")}
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
              "1[\"e\u0301\u0302\",\"\u0301\"] 2[\"🇩🇪\"] end"},
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
    BytesCase{"UnknownEncoding", "a", "fail 1", 0x12345},
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

struct CancelCase
{
    const char *name;
    qint64 cancelAtCall;
    QString expected;
};

class ParserCancelTest : public testing::TestWithParam<CancelCase>
{};

// After cancelParsing no line or field is reported, not even by the end of the input.
TEST_P(ParserCancelTest, StopsAfterTheCurrentUnit)
{
    auto parser = ZRNCSVParser::withCSVString(QStringLiteral("a,b\nc,d"), StringEncodings::UTF8);
    ParserRecorder recorder;
    recorder.cancelAtCall = GetParam().cancelAtCall;
    parser->setParserDelegate(&recorder);
    parser->parse();
    EXPECT_EQ(recorder.log(), GetParam().expected);
    EXPECT_EQ(parser->error().code(), ZRNCSVParser::Cancelled);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parser, ParserCancelTest, testing::Values(
    CancelCase{"AtDocumentStart", 1, "fail 3"},
    CancelCase{"AtLineStart", 2, "1~[] fail 3"},
    CancelCase{"AtField", 3, R"(1~["a"] fail 3)"},
    CancelCase{"AtLineEnd", 5, R"(1["a","b"] fail 3)"},
    CancelCase{"AtLastFieldOfTheInput", 8, R"(1["a","b"] 2~["c","d"] fail 3)"}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

class ParserFileTest : public testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        return TestData::writeFile(m_dir, name, bytes);
    }

    QTemporaryDir m_dir;
};

// A parser that ended, failed or was cancelled reads its input again from the start; only a
// stream cannot be read twice.
TEST_F(ParserFileTest, ParsingAgainRestartsFromTheBeginning)
{
    const QString path = write(QStringLiteral("t.csv"), "a,b\nc\xFF");
    auto parser = ZRNCSVParser::withContentsOfCSVFile(path, StringEncodings::UTF8);
    ParserRecorder failing;
    parser->setParserDelegate(&failing);
    parser->parse();
    ParserRecorder again;
    parser->setParserDelegate(&again);
    parser->parse();
    ParserRecorder cancelled;
    cancelled.cancelAtCall = 3;
    parser->setParserDelegate(&cancelled);
    parser->parse();
    parser->setEncoding(StringEncodings::ISOLatin1);
    ParserRecorder latin1;
    parser->setParserDelegate(&latin1);
    parser->parse();
    EXPECT_EQ(QStringList({failing.log(), again.log(), cancelled.log(), latin1.log()}),
              QStringList({R"(1["a","b"] 2["c"] fail 1)", R"(1["a","b"] 2["c"] fail 1)",
                           R"(1~["a"] fail 3)", R"(1["a","b"] 2["cÿ"] end)"}));
    EXPECT_EQ(latin1.csvFile(), path);
    EXPECT_FALSE(parser->encodingErrorOccured());

    auto fromString = ZRNCSVParser::withCSVString(QStringLiteral("x"), StringEncodings::UTF16);
    auto fromStream = ZRNCSVParser::withStream(std::make_unique<QBuffer>(), StringEncodings::UTF8);
    QStringList secondLogs;
    for (ZRNCSVParser *other : {fromString.get(), fromStream.get()}) {
        other->parse();
        ParserRecorder recorder;
        other->setParserDelegate(&recorder);
        other->parse();
        secondLogs += recorder.log() + u' ' + recorder.csvFile();
    }
    EXPECT_EQ(secondLogs, QStringList({R"(1["x"] end )", "fail 1 "}));
}

TEST_F(ParserFileTest, InputsThatCannotBeOpenedMakeNoParser)
{
    QStringList errors;
    Error error;
    const QString missing = m_dir.filePath(QStringLiteral("missing.csv"));
    if (!ZRNCSVParser::withContentsOfCSVFile(missing, StringEncodings::UTF8, &error))
        errors += error.localizedDescription();
    auto unopenable = std::make_unique<QFile>(missing);
    if (!ZRNCSVParser::withStream(std::move(unopenable), StringEncodings::UTF8, &error))
        errors += error.localizedDescription();
    if (!ZRNCSVParser::withCSVString(QStringLiteral("€"), StringEncodings::ISOLatin1, &error))
        errors += error.localizedDescription();
    EXPECT_EQ(errors,
              QStringList({"Unable to open file for reading", "Unable to open file for reading",
                           "The text cannot be written in the chosen encoding"}));
    EXPECT_EQ(error.domain(), ZRNCSVParser::errorDomain());
}

// A pipe whose reads fail once its bytes are used up.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_bytes.isEmpty()) {
            setErrorString(QStringLiteral("disk on fire"));
            return -1;
        }
        const qint64 size = std::min<qint64>(maxSize, m_bytes.size());
        std::copy_n(m_bytes.constData(), size, data);
        m_bytes.remove(0, size);
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

TEST(ParserTest, ReadFailureComesAfterTheLinesReadBeforeIt)
{
    auto parser =
        ZRNCSVParser::withStream(std::make_unique<FailingDevice>("a\nb,c"), StringEncodings::UTF8);
    ParserRecorder recorder;
    parser->setParserDelegate(&recorder);
    parser->parse();
    const Error &error = parser->error();
    EXPECT_EQ(
        recorder.log() + u'|' + error.localizedDescription() + u'|' +
            (error.underlyingError() ? error.underlyingError()->localizedDescription() : QString()),
        QStringLiteral(R"(1["a"] 2["b","c"] fail 1|Unable to read from input stream|)"
                       "disk on fire"));
}

TEST(ParserTest, DelimitersThatWouldBeAmbiguousAreRefused)
{
    auto parser = ZRNCSVParser::withCSVString(QStringLiteral("a"), StringEncodings::UTF8);
    QStringList outcomes;
    for (const char *delimiter : {"", "ab", "#", "\"", "\\", "\n", "\r", "\u2028", "|", " "}) {
        try {
            parser->setDelimiter(QString::fromUtf8(delimiter));
            outcomes += QStringLiteral("accepted ") + parser->delimiter();
        } catch (const std::invalid_argument &refusal) {
            outcomes += QString::fromUtf8(refusal.what());
        }
    }
    EXPECT_EQ(outcomes,
              QStringList({" cannot be used as a delimiter", "ab cannot be used as a delimiter",
                           "# cannot be used as a delimiter", "\" cannot be used as a delimiter",
                           "\\ cannot be used as a delimiter", "\n cannot be used as a delimiter",
                           "\r cannot be used as a delimiter",
                           "\u2028 cannot be used as a delimiter", "accepted |", "accepted  "}));
}

// Tries to change the delimiter, and to parse again, while the parse runs.
class Meddler : public ParserRecorder
{
public:
    QString refusal;

    void parserDidStartLine(ZRNCSVParser &parser, qint64 line) override
    {
        ParserRecorder::parserDidStartLine(parser, line);
        parser.parse();
        try {
            parser.setSeparatorType(1);
        } catch (const std::invalid_argument &error) {
            refusal = QString::fromUtf8(error.what());
        }
    }
};

TEST(ParserTest, CallsFromTheDelegateCannotDisturbTheParse)
{
    auto parser = ZRNCSVParser::withCSVString(QStringLiteral("a;b,c"), StringEncodings::UTF8);
    Meddler meddler;
    parser->setParserDelegate(&meddler);
    parser->parse();
    EXPECT_EQ(meddler.log() + u'|' + meddler.refusal,
              QStringLiteral(R"(1["a;b","c"] end|You cannot set a delimiter after parsing )"
                             "has started"));
    parser->setSeparatorType(1);
    EXPECT_EQ(parser->delimiter(), QStringLiteral(";"));
}

TEST_F(ParserFileTest, SeparatorGuessTakesTheFirstSeparatorByteOfTheFirstLine)
{
    QList<qint64> guesses;
    for (const QByteArray &bytes :
         {QByteArray("a;b,c\n"), QByteArray("a\tb;c"), QByteArray("\"x,y\";z"),
          QByteArray("abc\n,;"), QByteArray(), QByteArray("a\0,b", 4), QByteArray("a\0,\0b\0", 6),
          QByteArray(3000, 'x') + ',', QByteArray("\xEF\xBB\xBFid,name")}) {
        guesses += ZRNCSVParser::autodetectSeparatorForCSVFile(write(QStringLiteral("g"), bytes));
    }
    guesses += ZRNCSVParser::autodetectSeparatorForCSVFile(m_dir.filePath(QStringLiteral("no")));
    EXPECT_EQ(guesses, QList<qint64>({1, 2, 0, NotFound, NotFound, NotFound, NotFound, NotFound, 0,
                                      NotFound}));
}

} // namespace

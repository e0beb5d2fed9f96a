#include "csv/ZRNCSVParser.h"
#include "csv/TextConverter.h"

#include "foundation/NotFound.h"
#include "support/NamedCase.h"
#include "support/ParserRecorder.h"
#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using NamedCases::PrintTo;

struct ReadingCase
{
    const char *name;
    QString input;
    QString expected;
    bool trimSpaces = false;
    QString delimiter = QStringLiteral(",");
    bool backslashEscapes = false;
};

class ParserReadingTest : public testing::TestWithParam<ReadingCase>
{};

TEST_P(ParserReadingTest, ReportsLinesAndFields)
{
    const ReadingCase &c = GetParam();
    ParseOptions options;
    options.trimSpaces = c.trimSpaces;
    options.delimiter = c.delimiter;
    options.backslashEscapes = c.backslashEscapes;
    EXPECT_EQ(parseLog(c.input.toUtf8(), options), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parser, ParserReadingTest, testing::Values(
    ReadingCase{"EveryLineBreakConvention", "a,b\nc\rd\r\ne\r\n", R"(1["a","b"] 2["c"] 3["d"] 4["e"] end)"},
    ReadingCase{"Quoting", "\"x, y\",\"say \"\"hi\"\"\",\"\",\",a\"", R"(1["x, y","say \"hi\"","",",a"] end)"},
    ReadingCase{"QuotesInsideUnquotedFields", "a\"\"b,a\"\"\"b", R"(1["a\"b","a\"\"b"] end)"},
    ReadingCase{"QuotedLineBreaks", "\"a\nb\",c\r\n\"d\r\ne\"", R"(1["a\nb","c"] 2["d\r\ne"] end)"},
    ReadingCase{"TrailingDelimiters", "a,\n,,\nb,", R"(1["a",""] 2["","",""] 3["b",""] end)"},
    ReadingCase{"BackslashEscapes", "\\,x\n\"a\\\"b\",c\\\nd", R"(1["\\,x"] 2["a\\\"b","c\\\nd"] end)", false, ",", true},
    ReadingCase{"BackslashIsOrdinaryByDefault", "C:\\t\\,x\n\"C:\\t\\\",y\\\n\"\"", R"(1["C:\\t\\","x"] 2["C:\\t\\","y\\"] 3[""] end)"},
    ReadingCase{"LoneQuoteAtEndIsKept", "a,\"", R"(1["a","\""] end)"},
    ReadingCase{"UnclosedQuoteRunsToEnd", "\"a,b\nc", R"(1["\"a,b\nc"] end)"},
    ReadingCase{"CommentLines", "#c\na\n#x,\"y\nb\n\n#x\n#\u0301y", R"(1["a"] 2["b"] 3["#x"] 4["#́y"] end)"},
    ReadingCase{"BlankLines", "\na\n\nb\n\n", R"(1[""] 2["a"] 3["b"] 4[""] end)"},
    ReadingCase{"UnicodeLineBreaks", "a\u2028b\u0085c", R"(1["a"] 2["b"] 3["c"] end)"},
    ReadingCase{"Trimming", "\" a \", \"a\" ,\u00A0a\u3000,\tb", R"(1["a","\"a\"","a","b"] end)", true},
    ReadingCase{"NoTrimmingKeepsSpaces", " \"a\" ,b", R"(1[" \"a\" ","b"] end)"},
    // A grapheme cluster would join the mark to the delimiter and lose it with it, or join the
    // delimiter or closing quotation mark to a prepended character and run two fields together.
    ReadingCase{"CombiningMarks", "e\u0301,\u0301b,,\u0301\n\"\u0301a\",b",
                "1[\"e\u0301\",\"\u0301b\",\"\",\"\u0301\"] 2[\"\u0301a\",\"b\"] end"},
    ReadingCase{"PrependedCharacters", "x\u0600,y\n\"\u0600\",z", "1[\"x\u0600\",\"y\"] 2[\"\u0600\",\"z\"] end"},
    ReadingCase{"Tab", "a\tb,c", R"(1["a","b,c"] end)", false, "\t"}
), caseName);
// clang-format on

struct BytesCase
{
    const char *name;
    QByteArray input;
    QString expected; // the log, then "!" if the parser reports an encoding error
    StringEncoding encoding = StringEncodings::UTF8;
};

class ParserBytesTest : public testing::TestWithParam<BytesCase>
{};

// A character, a cluster or a CR LF pair split between two chunks is put together again.
TEST_P(ParserBytesTest, ReadsTheSameInEveryChunkSize)
{
    const BytesCase &c = GetParam();
    ParseOptions options;
    options.encoding = c.encoding;
    QString logs, expected;
    for (const qsizetype chunkSize : {1, 2, 3, 5, 64, 0}) {
        options.chunkSize = chunkSize;
        const ParseResult result = parse(c.input, options);
        logs += u'\n' + result.log + (result.encodingErrorOccured ? "!" : "");
        expected += u'\n' + c.expected;
    }
    EXPECT_EQ(logs, expected);
}

QByteArray utf16le(const char16_t *text)
{
    return QByteArray(reinterpret_cast<const char *>(text),
                      2 * std::char_traits<char16_t>::length(text));
}

QByteArray utf16be(const char16_t *text)
{
    QByteArray bytes = utf16le(text);
    for (qsizetype i = 0; i < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);
    return bytes;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parser, ParserBytesTest, testing::Values(
    BytesCase{"MultiByteCharactersAndCRLF", "\xC3\xA9\xE2\x82\xAC,\xF0\x9F\x98\x80x\r\n\r\ny\r\n",
              "1[\"é€\",\"😀x\"] 2[\"y\"] end"},
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
    BytesCase{"Windows1252", "\x80", R"(1["€"] end)", StringEncodings::WindowsCP1252},
    BytesCase{"InvalidByteAfterLines", "a\nb,c\nd\xFF\ne\nf", R"(1["a"] 2["b","c"] 3["d"] fail 1!)"},
    BytesCase{"IncompleteLastCharacter", "a\nb\xE2\x82", R"(1["a"] 2["b"] fail 1!)"},
    BytesCase{"UnknownEncoding", "a", "fail 1!", 0x12345},
    BytesCase{"OddUtf16ByteCount", "\xFF\xFE" + utf16le(u"a\n") + "b", R"(1["a"] fail 1!)",
              StringEncodings::UTF16}
), caseName);
// clang-format on

TEST(ParserTest, FirstLineBreakDecidesTheLineEnd)
{
    QString results;
    for (const char *input : {"a\nb", "a\rb", "a\r\nb", "a\rb\nc", "\"x\ny\"\r\n", "a,b"})
        results += QString::number(parse(input).detectedLineEnd) + u' ';
    EXPECT_EQ(results, QStringLiteral("2 1 0 0 2 %1 ").arg(NotFound));
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
    CancelCase{"AtField", 3, R"(1~["a"] fail 3)"},
    CancelCase{"AtLastFieldOfTheInput", 8, R"(1["a","b"] 2~["c","d"] fail 3)"}
), caseName);
// clang-format on

QString logOf(ZRNCSVParser &parser, qint64 cancelAtCall = -1)
{
    ParserRecorder recorder;
    recorder.cancelAtCall = cancelAtCall;
    parser.setParserDelegate(&recorder);
    parser.parse();
    return recorder.log() + u' ' + recorder.csvFile();
}

// A parser that ended, failed or was cancelled reads its input again from the start; only a
// stream cannot be read twice.
TEST(ParserTest, ParsingAgainRestartsFromTheBeginning)
{
    QTemporaryDir dir;
    const QString path = TestData::writeFile(dir, QStringLiteral("t.csv"), "a,b\nc\xFF");
    auto parser = ZRNCSVParser::withContentsOfCSVFile(path, StringEncodings::UTF8);
    QStringList logs = {logOf(*parser), logOf(*parser), logOf(*parser, 3)};
    parser->setEncoding(StringEncodings::ISOLatin1);
    logs += logOf(*parser);
    EXPECT_EQ(logs, QStringList({R"(1["a","b"] 2["c"] fail 1 )" + path,
                                 R"(1["a","b"] 2["c"] fail 1 )" + path, R"(1~["a"] fail 3 )" + path,
                                 R"(1["a","b"] 2["cÿ"] end )" + path}));
    EXPECT_FALSE(parser->encodingErrorOccured());

    auto fromString = ZRNCSVParser::withCSVString(QStringLiteral("x"), StringEncodings::UTF16);
    auto fromStream = ZRNCSVParser::withStream(std::make_unique<QBuffer>(), StringEncodings::UTF8);
    fromString->parse();
    fromStream->parse();
    EXPECT_EQ(logOf(*fromString) + u'|' + logOf(*fromStream),
              QStringLiteral(R"(1["x"] end |fail 1 )"));
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
    const QString log = logOf(*parser);
    const Error &error = parser->error();
    EXPECT_EQ(
        log + u'|' + error.localizedDescription() + u'|' +
            (error.underlyingError() ? error.underlyingError()->localizedDescription() : QString()),
        QStringLiteral(R"(1["a"] 2["b","c"] fail 1 |Unable to read from input stream|)"
                       "disk on fire"));
}

TEST(ParserTest, DelimitersThatWouldBeAmbiguousAreRefused)
{
    auto parser = ZRNCSVParser::withCSVString(QStringLiteral("a"), StringEncodings::UTF8);
    QStringList outcomes;
    for (const char *delimiter : {"", "ab", "#", "\"", "\\", "\n", "\r", "\u2028", "|"}) {
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
                           "\u2028 cannot be used as a delimiter", "accepted |"}));
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

// The separator counted outside quotation marks that agrees on most lines wins; ties go to the
// first in the first line.
TEST(ParserTest, SeparatorGuessCountsOutsideQuotationMarksOnTheFirstLines)
{
    QTemporaryDir dir;
    QList<qint64> guesses;
    QByteArray utf16;
    TextConverter(StringEncodings::UTF16LittleEndian).encode(u"a;b\r\nc;d\r\n", utf16);
    const QList<std::pair<QByteArray, StringEncoding>> files = {
        {"a;b,c\n", StringEncodings::UTF8},
        {"a\tb;c", StringEncodings::UTF8},
        {"\"x,y\";z", StringEncodings::UTF8},
        {"\"Smith, J.\";1\n\"Doe, K.\";2\n", StringEncodings::UTF8},
        {"id;text\n1;\"a, b, c\"\n2;\"d, e\"\n", StringEncodings::UTF8},
        {"abc\ndef", StringEncodings::UTF8},
        {"\xEF\xBB\xBFid,name", StringEncodings::UTF8},
        {utf16, StringEncodings::UTF16LittleEndian},
    };
    for (const auto &[bytes, encoding] : files) {
        guesses += ZRNCSVParser::autodetectSeparatorForCSVFile(
            TestData::writeFile(dir, QStringLiteral("g"), bytes), encoding);
    }
    guesses += ZRNCSVParser::autodetectSeparatorForCSVFile(dir.filePath(QStringLiteral("no")));
    EXPECT_EQ(guesses, QList<qint64>({1, 2, 1, 1, 1, NotFound, 0, 1, NotFound}));
}

} // namespace

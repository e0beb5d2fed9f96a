#include "csv/StringEncodingTable.h"
#include "csv/ZRNCSVExport.h"
#include "support/ParserRecorder.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QJsonArray>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using namespace StringEncodings;
using Table = QList<QStringList>;

const QString Separators[] = {u","_qs, u";"_qs, u"\t"_qs};

QByteArray written(const Table &table, StringEncoding encoding, int separatorType, int lineEndType,
                   bool forceQuotes)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ZRNCSVExport writer(&buffer);
    writer.setEncoding(encoding);
    writer.setSeparatorType(separatorType);
    writer.setLineEndType(lineEndType);
    writer.setForceQuotes(forceQuotes);
    Error error;
    EXPECT_TRUE(writer.writeRows(table, &error)) << error.localizedDescription().toStdString();
    return buffer.data();
}

// The table as the parser's log shows it when it reads it back.
QString asRead(const Table &table)
{
    QStringList lines;
    for (qsizetype row = 0; row < table.size(); ++row) {
        lines.append(ParserRecorder::formatLine(QString::number(row + 1),
                                                QJsonArray::fromStringList(table[row])));
    }
    lines.append(u"end"_qs);
    return lines.join(u' ');
}

QString readBack(const QByteArray &bytes, StringEncoding encoding, int separatorType)
{
    ParseOptions options;
    options.encoding = encoding;
    options.delimiter = Separators[separatorType];
    return parseLog(bytes, options);
}

// Random tables made of pieces that stress quoting. A backslash is always followed by a
// letter, and no row is a single empty cell: see CellsTheReadingDialectCannotGiveBack.
class TableMaker
{
public:
    TableMaker(quint32 seed, QStringList pieces) : m_random(seed), m_pieces(std::move(pieces)) {}

    Table make()
    {
        Table table(m_random.bounded(1, 7));
        for (QStringList &row : table) {
            const int columns = m_random.bounded(1, 6);
            for (int column = 0; column < columns; ++column)
                row.append(cell());
            if (row == QStringList{QString()})
                row[0] = u"x"_qs;
        }
        return table;
    }

private:
    QString cell()
    {
        QString text;
        for (int piece = m_random.bounded(0, 5); piece > 0; --piece)
            text += m_pieces[m_random.bounded(int(m_pieces.size()))];
        return text;
    }

    QRandomGenerator m_random;
    QStringList m_pieces;
};

const QStringList SyntaxPieces = {
    u" "_qs,    u","_qs, u";"_qs,   u"\t"_qs,   u"\""_qs, u"\"\""_qs, u"\r"_qs, u"\n"_qs,
    u"\r\n"_qs, u"#"_qs, u"\\x"_qs, u"\\\\"_qs, u"a"_qs,  u"b c"_qs,  u"42"_qs,
};

struct RoundTripCase
{
    const char *name;
    StringEncoding encoding;
    QStringList textPieces; // what the encoding can hold, besides ASCII
};

class ZRNCSVRoundTripTest : public ::testing::TestWithParam<RoundTripCase>
{};

TEST_P(ZRNCSVRoundTripTest, ParserReadsBackWhatTheWriterWrote)
{
    const RoundTripCase &c = GetParam();
    TableMaker maker(20240601, SyntaxPieces + c.textPieces);
    for (int round = 0; round < 40; ++round) {
        const Table table = maker.make();
        for (int separatorType = 0; separatorType < 3; ++separatorType) {
            for (int lineEndType = 0; lineEndType < 3; ++lineEndType) {
                for (const bool forceQuotes : {false, true}) {
                    const QByteArray bytes =
                        written(table, c.encoding, separatorType, lineEndType, forceQuotes);
                    ASSERT_EQ(readBack(bytes, c.encoding, separatorType), asRead(table))
                        << "separator " << separatorType << ", line end " << lineEndType
                        << ", quotes forced " << forceQuotes << ", bytes "
                        << bytes.toHex(' ').toStdString();
                }
            }
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Encodings, ZRNCSVRoundTripTest, ::testing::Values(
    RoundTripCase{"Utf8", UTF8, {u"é"_qs, u"Жук"_qs, u"東京"_qs, u"😀"_qs, u"👍🏽"_qs, u"\u0301"_qs, u"\u0600"_qs,
                                 u"\u2028"_qs, u"\u0085"_qs, u"\u000B"_qs}},
    RoundTripCase{"Utf16", UTF16, {u"é"_qs, u"Жук"_qs, u"東京"_qs, u"😀"_qs, u"e\u0301"_qs,
                                   u"\u2029"_qs}},
    RoundTripCase{"WindowsLatin1", WindowsCP1252, {u"é"_qs, u"ü"_qs, u"€"_qs, u"…"_qs, u"œ"_qs}}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

struct DialectCase
{
    const char *name;
    Table written;
    QString readBack;
};

class ZRNCSVDialectLimitTest : public ::testing::TestWithParam<DialectCase>
{};

// What the reader cannot give back whatever the writer does. The reader treats a backslash as
// escaping the next character while keeping both, so a backslash before a separator, a
// quotation mark or a line break hides it; and it drops a line of one empty field.
TEST_P(ZRNCSVDialectLimitTest, CellsTheReadingDialectCannotGiveBack)
{
    const QByteArray bytes = written(GetParam().written, UTF8, 0, 2, false);
    EXPECT_EQ(readBack(bytes, UTF8, 0), GetParam().readBack);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ZRNCSVDialectLimitTest, ::testing::Values(
    DialectCase{"ValueEndingInABackslash", {{u"a\\"_qs, u"b"_qs}}, uR"(1["a\\,b"] end)"_qs},
    DialectCase{"BackslashBeforeAQuotationMark", {{u"a\\\"b"_qs}, {u"c"_qs}},
                uR"(1["\"a\\\"b\"\nc"] end)"_qs},
    DialectCase{"RowOfOneEmptyCell", {{u"x"_qs}, {u""_qs}, {u"y"_qs}}, uR"(1["x"] 2["y"] end)"_qs}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace

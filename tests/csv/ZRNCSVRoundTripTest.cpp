#include "csv/ZRNCSVExport.h"
#include "document/CSVDocumentReader.h"
#include "document/CSVOpenAssistantPreview.h"
#include "support/NamedCase.h"
#include "support/ParserRecorder.h"
#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QBuffer>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

using namespace StringEncodings;
using Table = QList<QStringList>;

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

// A random table made of pieces that stress quoting: backslashes and rows of one empty cell too.
Table randomTable(QRandomGenerator &random, const QStringList &pieces)
{
    Table table(random.bounded(1, 7));
    for (QStringList &row : table) {
        for (int column = random.bounded(1, 6); column > 0; --column) {
            QString text;
            for (int piece = random.bounded(0, 5); piece > 0; --piece)
                text += pieces[random.bounded(int(pieces.size()))];
            row.append(text);
        }
    }
    return table;
}

const QStringList SyntaxPieces = {
    u" "_qs,    u","_qs, u";"_qs,   u"\t"_qs,   u"\""_qs, u"\"\""_qs, u"\r"_qs, u"\n"_qs,
    u"\r\n"_qs, u"#"_qs, u"\\x"_qs, u"\\\\"_qs, u"a"_qs,  u"b c"_qs,  u"42"_qs, u"\\"_qs,
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
    QRandomGenerator random(20240601);
    const QString separators[] = {u","_qs, u";"_qs, u"\t"_qs};
    for (int round = 0; round < 40; ++round) {
        const Table table = randomTable(random, SyntaxPieces + c.textPieces);
        for (int separatorType = 0; separatorType < 3; ++separatorType) {
            for (int lineEndType = 0; lineEndType < 3; ++lineEndType) {
                for (const bool forceQuotes : {false, true}) {
                    const QByteArray bytes =
                        written(table, c.encoding, separatorType, lineEndType, forceQuotes);
                    ParseOptions options;
                    options.encoding = c.encoding;
                    options.delimiter = separators[separatorType];
                    ASSERT_EQ(parseLog(bytes, options), asRead(table))
                        << "separator " << separatorType << ", line end " << lineEndType
                        << ", quotes forced " << forceQuotes << ", bytes "
                        << bytes.toHex(' ').toStdString();
                }
            }
        }
    }
}

class AssistantRoundTripTest : public ::testing::TestWithParam<RoundTripCase>
{};

// A saved table reopens as it was through the open assistant's own guesses of encoding and
// separator, as a user would open it.
TEST_P(AssistantRoundTripTest, GuessesReadBackWhatTheWriterWrote)
{
    const RoundTripCase &c = GetParam();
    QRandomGenerator random(20240602);
    QTemporaryDir dir;
    for (int round = 0; round < 30; ++round) {
        const Table table = randomTable(random, SyntaxPieces + c.textPieces);
        const QString path = TestData::writeFile(dir, QStringLiteral("t.csv"),
                                                 written(table, c.encoding, round % 3, 0, false));
        Error error;
        const auto preview = CSVOpenAssistantPreview::forFile(path, {}, &error);
        ASSERT_TRUE(preview);
        const auto read = CSVDocumentReader::read(path, preview->preset(), &error);
        ASSERT_TRUE(read && !read->failure);
        Table rows;
        for (const CSVRowPtr &row : read->rows) {
            QStringList cells;
            for (qsizetype cell = 0; cell < row->count(); ++cell)
                cells.append(row->at(cell));
            rows.append(cells);
        }
        ASSERT_EQ(rows, table) << "guessed encoding " << preview->preset().stringEncoding()
                               << ", separator " << preview->preset().separatorType()
                               << ", written with " << round % 3;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Encodings, AssistantRoundTripTest, ::testing::Values(
    RoundTripCase{"Utf8", UTF8, {u"é"_qs, u"Жук"_qs, u"東京"_qs, u"😀"_qs}},
    RoundTripCase{"Utf16", UTF16, {u"é"_qs, u"Жук"_qs, u"東京"_qs, u"😀"_qs}},
    RoundTripCase{"WindowsLatin1", WindowsCP1252, {u"é"_qs, u"ü"_qs, u"€"_qs, u"…"_qs}},
    RoundTripCase{"ShiftJis", ShiftJIS, {u"東京"_qs, u"ひらがな"_qs, u"カタカナ"_qs, u"日本語"_qs}}
), caseName);
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Encodings, ZRNCSVRoundTripTest, ::testing::Values(
    RoundTripCase{"Utf8", UTF8, {u"é"_qs, u"Жук"_qs, u"東京"_qs, u"😀"_qs, u"👍🏽"_qs, u"\u0301"_qs, u"\u0600"_qs,
                                 u"\u2028"_qs, u"\u0085"_qs, u"\u000B"_qs}},
    RoundTripCase{"Utf16", UTF16, {u"é"_qs, u"Жук"_qs, u"東京"_qs, u"😀"_qs, u"e\u0301"_qs,
                                   u"\u2029"_qs}},
    RoundTripCase{"WindowsLatin1", WindowsCP1252, {u"é"_qs, u"ü"_qs, u"€"_qs, u"…"_qs, u"œ"_qs}}
), caseName);
// clang-format on

} // namespace

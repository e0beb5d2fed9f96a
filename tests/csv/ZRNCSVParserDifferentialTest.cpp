#include "support/ParserRecorder.h"
#include "support/QtPrinters.h"
#include "support/RandomText.h"
#include "support/ReferenceCSVWalk.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

// Pieces the generated inputs are made of: everything that means something to the parser, long
// plain runs, and text whose grapheme clusters span several code units or swallow the
// character next to them (marks, joiners, prepended marks, jamo, flags, emoji).
// clang-format off
constexpr std::array s_pieces = {
    u"a", u"bc", u"plain text long enough for whole vectors 0123456789", u",", u";", u"\t", u"|",
    u"§", u"\"", u"\"\"", u"\\", u"#", u"\n", u"\r", u"\r\n", u"\u2028", u"\u0085", u"\u000B",
    u" ", u"\u00A0", u"\u3000", u"é", u"e\u0301", u"\u0301", u"\u0308", u"\u200D", u"\u0903",
    u"\u0600", u"\u1100", u"\u1161", u"\uAC00", u"漢字", u"😀", u"👍🏽", u"👨‍👩‍👧", u"🇩🇪",
    u"\U0001F1E9"};
// clang-format on
constexpr std::array s_delimiters = {u',', u';', u'\t', u'|', u'§', u'\u0301'};
constexpr std::array<qsizetype, 7> s_chunkSizes = {1, 2, 3, 5, 16, 100, 0};

// The fast paths of the parser (plain runs skipped at once, units found without the break
// iterator, chunks read a piece at a time) must not change what it reports.
TEST(ParserDifferentialTest, AgreesWithTheUnitByUnitReferenceWalk)
{
    std::mt19937 random(20240607);
    for (int round = 0; round < 4000; ++round) {
        const auto input = randomlyJoined<QString>(random, s_pieces, 39);
        ParseOptions options;
        options.delimiter = QChar(s_delimiters[random() % s_delimiters.size()]);
        options.trimSpaces = random() % 2;
        options.backslashEscapes = random() % 2;
        options.chunkSize = s_chunkSizes[random() % s_chunkSizes.size()];

        const QString expected = ReferenceCSVWalk(options.delimiter.front(), options.trimSpaces,
                                                  options.backslashEscapes)
                                     .read(input);
        ASSERT_EQ(parseLog(input.toUtf8(), options), expected)
            << "input and delimiter "
            << QJsonDocument(QJsonArray{input, options.delimiter}).toJson().toStdString()
            << " trim " << options.trimSpaces << " escapes " << options.backslashEscapes
            << " chunk " << options.chunkSize;
    }
}

} // namespace

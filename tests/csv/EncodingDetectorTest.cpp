#include "csv/StringEncodingTable.h"
#include "csv/TextConverter.h"
#include "csv/ZRNEncodingManager.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cctype>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

using namespace StringEncodings;

std::string describe(StringEncoding encoding)
{
    return QStringLiteral("%1 %2")
        .arg(encoding)
        .arg(StringEncodingTable::displayName(encoding))
        .toStdString();
}

std::string detected(const QByteArray &bytes)
{
    QTemporaryDir dir;
    return describe(
        ZRNEncodingManager::encodingForFile(TestData::writeFile(dir, QStringLiteral("f"), bytes)));
}

struct SampleCase
{
    const char *name;
    const char *textFile; // natural text, kept as UTF-8 under tests/data/detection
    StringEncoding writtenIn;
    StringEncoding expected;
    const char16_t *text = nullptr; // a short text, in place of a file
};

class EncodingForFileSampleTest : public ::testing::TestWithParam<SampleCase>
{};

TEST_P(EncodingForFileSampleTest, RecognisesNaturalText)
{
    const SampleCase &c = GetParam();
    const QString text =
        c.text ? QString::fromUtf16(c.text)
               : QString::fromUtf8(TestData::read(QStringLiteral("detection/") + c.textFile));
    ASSERT_FALSE(text.isEmpty()) << c.name;
    QByteArray bytes;
    ASSERT_TRUE(TextConverter(c.writtenIn).encode(text, bytes));
    EXPECT_EQ(detected(bytes), describe(c.expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Families, EncodingForFileSampleTest, ::testing::Values(
    SampleCase{"RussianTableUtf8", "ru-table.csv", UTF8, UTF8},
    SampleCase{"GermanProseUtf16", "de-prose.txt", UTF16, UTF16},
    SampleCase{"JapaneseProseUtf16LeWithoutMark", "ja-prose.txt", UTF16LittleEndian, UTF16LittleEndian},
    SampleCase{"JapaneseProseUtf16BeWithoutMark", "ja-prose.txt", UTF16BigEndian, UTF16BigEndian},
    SampleCase{"KoreanTableUtf32", "ko-table.csv", UTF32, UTF32},
    SampleCase{"JapaneseTableWindowsShiftJis", "ja-table.csv", WindowsJapanese, ShiftJIS},
    SampleCase{"JapaneseProseEucJp", "ja-prose.txt", EUCJP, EUCJP},
    SampleCase{"JapaneseTableIso2022Jp", "ja-table.csv", ISO2022JP, ISO2022JP},
    SampleCase{"ChineseProseGb2312", "zh-hans-prose.txt", EUCCN, GB18030},
    SampleCase{"ChineseTableBig5", "zh-hant-table.csv", Big5, Big5},
    SampleCase{"KoreanTableEucKr", "ko-table.csv", EUCKR, EUCKR},
    SampleCase{"RussianProseKoi8r", "ru-prose.txt", KOI8R, KOI8R},
    SampleCase{"BulgarianProseWindows1251", "bg-prose.txt", WindowsCP1251, WindowsCP1251},
    SampleCase{"FrenchProseWindows1252", "fr-prose.txt", WindowsCP1252, WindowsCP1252},
    SampleCase{"SpanishTableLatin1", "es-table.csv", ISOLatin1, WindowsCP1252},
    // Too short for the detector to be sure: what decodes into letters wins, no encoding that
    // fails to decode or yields NUL characters.
    SampleCase{"EuroSignWindows1252", nullptr, WindowsCP1252, WindowsCP1252, u"5 €"},
    SampleCase{"AsciiUtf16LeWithoutMark", nullptr, UTF16LittleEndian, UTF16LittleEndian, u"a,b\r\n1,2\r\n"},
    SampleCase{"AsciiUtf32BeWithoutMark", nullptr, UTF32BigEndian, UTF32BigEndian, u"a;b\n"},
    SampleCase{"ShortShiftJis", nullptr, ShiftJIS, ShiftJIS, u"名前,年齢\r\n山田太郎,30\r\n"}
), caseName);
// clang-format on

// The public samples under tests/data/encodings (see MANIFEST.tsv there), each with the answer we
// give: Latin 1 text answers Windows Latin 1, its superset; GB 2312 answers GB 18030; the Mac
// Roman sample is left out, as ICU has no detector for it.
struct CollectedCase
{
    const char *file;
    StringEncoding expected;
};

void PrintTo(const CollectedCase &c, std::ostream *os)
{
    *os << c.file;
}

class EncodingForFileCollectedTest : public ::testing::TestWithParam<CollectedCase>
{};

TEST_P(EncodingForFileCollectedTest, RecognisesPublicSamples)
{
    const QString path = TestData::path(QStringLiteral("encodings/") + GetParam().file);
    EXPECT_EQ(describe(ZRNEncodingManager::encodingForFile(path)), describe(GetParam().expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Samples, EncodingForFileCollectedTest, ::testing::Values(
    CollectedCase{"uchardet_en_ascii.txt", UTF8},
    CollectedCase{"uchardet_fr_utf-8.txt", UTF8},
    CollectedCase{"uchardet_ja_utf-8.txt", UTF8},
    CollectedCase{"uchardet_ko_utf-8.txt", UTF8},
    CollectedCase{"uchardet_fr_utf-16be-bom.txt", UTF16},
    CollectedCase{"uchardet_ko_utf-16le-bom.txt", UTF16},
    CollectedCase{"uchardet_ja_utf-16le-nobom.txt", UTF16LittleEndian},
    CollectedCase{"uchardet_ja_utf-16be-nobom.txt", UTF16BigEndian},
    CollectedCase{"uchardet_fr_utf-32le-bom.txt", UTF32},
    CollectedCase{"uchardet_fr_windows-1252.txt", WindowsCP1252},
    CollectedCase{"uchardet_fr_iso-8859-1.txt", WindowsCP1252},
    CollectedCase{"uchardet_de_windows-1252.txt", WindowsCP1252},
    CollectedCase{"uchardet_de_iso-8859-1.txt", WindowsCP1252},
    CollectedCase{"uchardet_es_windows-1252.txt", WindowsCP1252},
    CollectedCase{"uchardet_es_iso-8859-1.txt", WindowsCP1252},
    CollectedCase{"uchardet_ja_shift_jis.txt", ShiftJIS},
    CollectedCase{"uchardet_ja_euc-jp.txt", EUCJP},
    CollectedCase{"uchardet_ja_iso-2022-jp.txt", ISO2022JP},
    CollectedCase{"uchardet_zh_big5.txt", Big5},
    CollectedCase{"uchardet_zh_gb18030.txt", GB18030},
    CollectedCase{"uchardet_ko_uhc.smi", EUCKR},
    CollectedCase{"uchardet_ru_koi8-r.txt", KOI8R},
    CollectedCase{"uchardet_ru_windows-1251.txt", WindowsCP1251},
    CollectedCase{"uchardet_bg_windows-1251.txt", WindowsCP1251},
    CollectedCase{"icu_IUC10-ko_euc-kr.txt", EUCKR},
    CollectedCase{"icu_IUC10-jp_shift_jis.txt", ShiftJIS},
    CollectedCase{"icu_IUC10-zh-Hans_gb2312.txt", GB18030},
    CollectedCase{"icu_IUC10-zh-Hant_big5.txt", Big5},
    CollectedCase{"icu_IUC10-da-Q_windows-1252.txt", WindowsCP1252},
    CollectedCase{"icu_IUC10-de_utf-8-bom.txt", UTF8},
    CollectedCase{"icu_IUC10-ru_koi8-r.txt", KOI8R},
    CollectedCase{"icu_IUC10-ru_windows-1251.txt", WindowsCP1251},
    CollectedCase{"commons-csv_japanese_utf-8.csv", UTF8},
    CollectedCase{"commons-csv_emoji_utf-8.csv", UTF8},
    CollectedCase{"commons-csv_bom_utf-8-bom.csv", UTF8},
    CollectedCase{"commons-csv_japanese_utf-16le-bom.csv", UTF16},
    CollectedCase{"commons-csv_japanese_cp932.csv", ShiftJIS}
), [](const auto &info) {
    std::string name = info.param.file;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});
// clang-format on

TEST(EncodingForFileTest, WhatIsNotTextAnswersUtf8)
{
    QByteArray binary(64 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(binary.data()), binary.size() / 4);
    QByteArray noZeros = binary;
    noZeros.replace('\0', '\x01');
    const std::string missing =
        describe(ZRNEncodingManager::encodingForFile(QStringLiteral("/nonexistent/x.csv")));
    EXPECT_EQ(QList<std::string>({missing, detected({}), detected(binary), detected(noZeros)}),
              QList<std::string>(4, describe(UTF8)));
}

TEST(EncodingForFileTest, LooksAtTheFirstMillionBytesOnly)
{
    // A character cut in two at the end of the sample is no reason to doubt UTF-8, and what
    // lies beyond the sample is not looked at.
    EXPECT_EQ(detected(QByteArray(999999, 'a') + "\xE2\x82\xAC\xFF\xFE not UTF-8"), describe(UTF8));
}

} // namespace

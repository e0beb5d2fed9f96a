#include "csv/StringEncodingTable.h"
#include "csv/TextConverter.h"
#include "csv/ZRNEncodingManager.h"

#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace StringEncodings;

std::string describe(StringEncoding encoding)
{
    return QStringLiteral("%1 %2")
        .arg(encoding)
        .arg(StringEncodingTable::displayName(encoding))
        .toStdString();
}

class DetectionFiles
{
public:
    QString write(const QString &name, const QByteArray &bytes)
    {
        return TestData::writeFile(m_dir, name, bytes);
    }

private:
    QTemporaryDir m_dir;
};

struct SampleCase
{
    const char *name;
    const char *textFile; // natural text, kept as UTF-8 under tests/data/detection
    StringEncoding writtenIn;
    StringEncoding expected;
};

class EncodingForFileSampleTest : public ::testing::TestWithParam<SampleCase>
{};

TEST_P(EncodingForFileSampleTest, RecognisesNaturalText)
{
    const SampleCase &c = GetParam();
    const QString text =
        QString::fromUtf8(TestData::read(QStringLiteral("detection/") + c.textFile));
    ASSERT_FALSE(text.isEmpty()) << c.textFile;
    QByteArray bytes;
    TextConverter converter(c.writtenIn);
    ASSERT_TRUE(converter.encode(text, bytes));

    DetectionFiles files;
    const QString path = files.write(QString::fromLatin1(c.name), bytes);
    EXPECT_EQ(describe(ZRNEncodingManager::encodingForFile(path)), describe(c.expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Families, EncodingForFileSampleTest, ::testing::Values(
    SampleCase{"JapaneseProseUtf8", "ja-prose.txt", UTF8, UTF8},
    SampleCase{"RussianTableUtf8", "ru-table.csv", UTF8, UTF8},
    SampleCase{"GermanProseUtf16", "de-prose.txt", UTF16, UTF16},
    SampleCase{"KoreanTableUtf32", "ko-table.csv", UTF32, UTF32},
    SampleCase{"JapaneseProseShiftJis", "ja-prose.txt", ShiftJIS, ShiftJIS},
    SampleCase{"JapaneseTableWindowsShiftJis", "ja-table.csv", WindowsJapanese, ShiftJIS},
    SampleCase{"JapaneseProseEucJp", "ja-prose.txt", EUCJP, EUCJP},
    SampleCase{"JapaneseTableEucJp", "ja-table.csv", EUCJP, EUCJP},
    SampleCase{"JapaneseTableIso2022Jp", "ja-table.csv", ISO2022JP, ISO2022JP},
    SampleCase{"ChineseProseGb2312", "zh-hans-prose.txt", EUCCN, GB18030},
    SampleCase{"ChineseTableGb18030", "zh-hans-table.csv", GB18030, GB18030},
    SampleCase{"ChineseProseBig5", "zh-hant-prose.txt", Big5, Big5},
    SampleCase{"ChineseTableBig5", "zh-hant-table.csv", Big5, Big5},
    SampleCase{"KoreanProseEucKr", "ko-prose.txt", EUCKR, EUCKR},
    SampleCase{"KoreanTableEucKr", "ko-table.csv", EUCKR, EUCKR},
    SampleCase{"RussianProseKoi8r", "ru-prose.txt", KOI8R, KOI8R},
    SampleCase{"RussianTableKoi8r", "ru-table.csv", KOI8R, KOI8R},
    SampleCase{"RussianProseWindows1251", "ru-prose.txt", WindowsCP1251, WindowsCP1251},
    SampleCase{"RussianTableWindows1251", "ru-table.csv", WindowsCP1251, WindowsCP1251},
    SampleCase{"BulgarianProseWindows1251", "bg-prose.txt", WindowsCP1251, WindowsCP1251},
    SampleCase{"FrenchProseWindows1252", "fr-prose.txt", WindowsCP1252, WindowsCP1252},
    SampleCase{"GermanProseWindows1252", "de-prose.txt", WindowsCP1252, WindowsCP1252},
    SampleCase{"GermanProseLatin1", "de-prose.txt", ISOLatin1, WindowsCP1252},
    SampleCase{"SpanishTableLatin1", "es-table.csv", ISOLatin1, WindowsCP1252},
    SampleCase{"PortugueseProseLatin1", "pt-prose.txt", ISOLatin1, WindowsCP1252}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

struct CollectedCase
{
    const char *file; // under tests/data/encodings, see MANIFEST.tsv there
    StringEncoding expected;
};

TEST(EncodingForFileTest, RecognisesCollectedSamples)
{
    // Every sample of the collection but the Mac Roman one, for which ICU has no detector.
    const CollectedCase cases[] = {
        {"uchardet_en_ascii.txt", UTF8},
        {"uchardet_fr_utf-8.txt", UTF8},
        {"uchardet_ja_utf-8.txt", UTF8},
        {"uchardet_ko_utf-8.txt", UTF8},
        {"uchardet_fr_utf-16be-bom.txt", UTF16},
        {"uchardet_ko_utf-16le-bom.txt", UTF16},
        {"uchardet_ja_utf-16le-nobom.txt", UTF16LittleEndian},
        {"uchardet_ja_utf-16be-nobom.txt", UTF16BigEndian},
        {"uchardet_fr_utf-32le-bom.txt", UTF32},
        {"uchardet_fr_windows-1252.txt", WindowsCP1252},
        {"uchardet_fr_iso-8859-1.txt", WindowsCP1252},
        {"uchardet_de_windows-1252.txt", WindowsCP1252},
        {"uchardet_de_iso-8859-1.txt", WindowsCP1252},
        {"uchardet_es_windows-1252.txt", WindowsCP1252},
        {"uchardet_es_iso-8859-1.txt", WindowsCP1252},
        {"uchardet_ja_shift_jis.txt", ShiftJIS},
        {"uchardet_ja_euc-jp.txt", EUCJP},
        {"uchardet_ja_iso-2022-jp.txt", ISO2022JP},
        {"uchardet_zh_big5.txt", Big5},
        {"uchardet_zh_gb18030.txt", GB18030},
        {"uchardet_ko_uhc.smi", EUCKR},
        {"uchardet_ru_koi8-r.txt", KOI8R},
        {"uchardet_ru_windows-1251.txt", WindowsCP1251},
        {"uchardet_bg_windows-1251.txt", WindowsCP1251},
        {"icu_IUC10-ko_euc-kr.txt", EUCKR},
        {"icu_IUC10-jp_shift_jis.txt", ShiftJIS},
        {"icu_IUC10-zh-Hans_gb2312.txt", GB18030},
        {"icu_IUC10-zh-Hant_big5.txt", Big5},
        {"icu_IUC10-da-Q_windows-1252.txt", WindowsCP1252},
        {"icu_IUC10-de_utf-8-bom.txt", UTF8},
        {"icu_IUC10-ru_koi8-r.txt", KOI8R},
        {"icu_IUC10-ru_windows-1251.txt", WindowsCP1251},
        {"commons-csv_japanese_utf-8.csv", UTF8},
        {"commons-csv_emoji_utf-8.csv", UTF8},
        {"commons-csv_bom_utf-8-bom.csv", UTF8},
        {"commons-csv_japanese_utf-16le-bom.csv", UTF16},
        {"commons-csv_japanese_cp932.csv", ShiftJIS},
    };
    for (const CollectedCase &c : cases) {
        const QString path = TestData::path(QStringLiteral("encodings/") + c.file);
        EXPECT_EQ(describe(ZRNEncodingManager::encodingForFile(path)), describe(c.expected))
            << c.file;
    }
}

TEST(EncodingForFileTest, WhatIsNotTextAnswersUtf8)
{
    DetectionFiles files;
    QByteArray binary(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32 *>(binary.data()), binary.size() / 4);
    QByteArray noZeros = binary;
    noZeros.replace('\0', '\x01');

    const QList<QPair<QString, QString>> cases = {
        {u"missing"_qs, files.write(u"x"_qs, "a") + u".missing"_qs},
        {u"empty"_qs, files.write(u"empty"_qs, QByteArray())},
        {u"random bytes"_qs, files.write(u"random"_qs, binary)},
        {u"random bytes without zeros"_qs, files.write(u"nozeros"_qs, noZeros)},
    };
    for (const auto &[name, path] : cases)
        EXPECT_EQ(describe(ZRNEncodingManager::encodingForFile(path)), describe(UTF8))
            << name.toStdString();
}

TEST(EncodingForFileTest, LooksAtTheFirstMillionBytesOnly)
{
    // A character cut in two at the end of the sample is no reason to doubt UTF-8, and what
    // lies beyond the sample is not looked at.
    QByteArray bytes(999999, 'a');
    bytes += "\xE2\x82\xAC";
    bytes += "\xFF\xFE not UTF-8";
    DetectionFiles files;
    EXPECT_EQ(describe(ZRNEncodingManager::encodingForFile(files.write(u"long"_qs, bytes))),
              describe(UTF8));
}

} // namespace

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
    ASSERT_TRUE(TextConverter(c.writtenIn).encode(text, bytes));
    EXPECT_EQ(detected(bytes), describe(c.expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Families, EncodingForFileSampleTest, ::testing::Values(
    SampleCase{"RussianTableUtf8", "ru-table.csv", UTF8, UTF8},
    SampleCase{"GermanProseUtf16", "de-prose.txt", UTF16, UTF16},
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
    SampleCase{"SpanishTableLatin1", "es-table.csv", ISOLatin1, WindowsCP1252}
), [](const auto &info) { return std::string(info.param.name); });
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

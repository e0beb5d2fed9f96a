#include "csv/TextConverter.h"
#include "csv/StringEncodingTable.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using Status = TextConverter::DecodeStatus;

TEST(TextConverterTest, CharacterSplitAcrossCallsIsCarriedOver)
{
    TextConverter converter(StringEncodings::UTF8);
    const QByteArray bytes = QStringLiteral("aé€😀").toUtf8();
    QString text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool last = i + 1 == bytes.size();
        ASSERT_EQ(converter.decode(bytes.mid(i, 1), text, last), Status::Ok) << i;
    }
    EXPECT_EQ(text, QStringLiteral("aé€😀"));
}

TEST(TextConverterTest, DecodingStopsAtTheFirstInvalidSequence)
{
    TextConverter converter(StringEncodings::UTF8);
    QString text;
    qsizetype valid = -1;
    EXPECT_EQ(converter.decode(QByteArray("ab\xC3\xA9\xFF"
                                          "cd"),
                               text, false, &valid),
              Status::Invalid);
    EXPECT_EQ(text, QStringLiteral("abé"));
    EXPECT_EQ(valid, 4);

    TextConverter truncated(StringEncodings::UTF8);
    text.clear();
    EXPECT_EQ(truncated.decode(QByteArray("x\xE2\x82"), text, true, &valid), Status::Truncated);
    EXPECT_EQ(text, QStringLiteral("x"));
}

TEST(TextConverterTest, EncodingRefusesWhatTheTargetCannotHold)
{
    TextConverter latin1(StringEncodings::WindowsCP1252);
    QByteArray bytes;
    qsizetype failed = -2;
    EXPECT_TRUE(latin1.encode(QStringLiteral("€é"), bytes, &failed));
    EXPECT_EQ(bytes, QByteArray("\x80\xE9"));
    bytes.clear();
    EXPECT_FALSE(latin1.encode(QStringLiteral("ab\u0416c"), bytes, &failed));
    EXPECT_EQ(failed, 2);
    EXPECT_EQ(bytes, QByteArray("ab"));

    TextConverter utf8(StringEncodings::UTF8);
    bytes.clear();
    const QString unpaired = QStringLiteral("ok") + QChar(0xD83D);
    EXPECT_FALSE(utf8.encode(unpaired, bytes, &failed));
    EXPECT_EQ(failed, 2);
}

TEST(TextConverterTest, GenericUtf16WritesOneByteOrderMarkPerStream)
{
    TextConverter converter(StringEncodings::UTF16);
    QByteArray bytes;
    ASSERT_TRUE(converter.encode(QStringLiteral("a"), bytes));
    ASSERT_TRUE(converter.encode(QStringLiteral("b"), bytes));
    // One mark, then both characters in the byte order the mark announces.
    EXPECT_EQ(bytes, QByteArray("\xFF\xFE"
                                "a\x00"
                                "b\x00",
                                6));
    TextConverter reader(StringEncodings::UTF16);
    QString text;
    EXPECT_EQ(reader.decode(bytes, text, true), Status::Ok);
    EXPECT_EQ(text, QStringLiteral("ab"));
}

TEST(TextConverterTest, EveryTableEncodingOpens)
{
    for (const StringEncodingInfo &info : StringEncodingTable::entries())
        EXPECT_TRUE(TextConverter(info.encoding).isValid()) << info.converterName;
}

} // namespace

#include "document/CSVImportExportPreset.h"

#include "foundation/NotFound.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString describe(const CSVImportExportPreset &preset)
{
    return QStringLiteral("separator %1 encoding %2 line end %3 header %4 trim %5 quotes %6")
        .arg(preset.separatorType())
        .arg(preset.stringEncoding())
        .arg(preset.lineEndingType())
        .arg(preset.firstRowIsHeader())
        .arg(preset.trimSpaces())
        .arg(preset.forceQuotes());
}

TEST(CSVImportExportPresetTest, InitialisersLeaveTheUnnamedFlagsOff)
{
    EXPECT_EQ(describe(CSVImportExportPreset()),
              QStringLiteral("separator 0 encoding 4 line end 0 header 0 trim 0 quotes 0"));
    EXPECT_EQ(describe(CSVImportExportPreset(2, StringEncodings::UTF32, 1, true)),
              QStringLiteral("separator 2 encoding 2348810496 line end 1 header 1 trim 0 "
                             "quotes 0"));
}

TEST(CSVImportExportPresetTest, ArchiveKeepsFiveFieldsWithTheirTypesButNotForceQuotes)
{
    CSVImportExportPreset preset(1, StringEncodings::UTF16BigEndian, NotFound, true);
    preset.setTrimSpaces(true);
    preset.setForceQuotes(true);
    QVariantMap coder{{QStringLiteral("unrelated"), 1}};
    preset.encodeWithCoder(coder);

    const QVariantMap expected{
        {QStringLiteral("unrelated"), 1},
        {QStringLiteral("aSeparatorType"), qint64(1)},
        {QStringLiteral("aStringEncoding"), qint64(StringEncodings::UTF16BigEndian)},
        {QStringLiteral("aLineEndingType"), qint64(NotFound)},
        {QStringLiteral("firstRowIsHeader"), true},
        {QStringLiteral("trimSpaces"), true},
    };
    EXPECT_EQ(coder, expected);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(coder.value(it.key()).typeId(), it.value().typeId()) << it.key().toStdString();

    CSVImportExportPreset decoded(coder);
    EXPECT_FALSE(decoded.forceQuotes());
    decoded.setForceQuotes(true);
    EXPECT_EQ(decoded, preset);
}

TEST(CSVImportExportPresetTest, DecodingKeepsDefaultsForMissingOrMistypedKeys)
{
    const QVariantMap coder{
        {QStringLiteral("aSeparatorType"), QStringLiteral("2")},
        {QStringLiteral("aLineEndingType"), 2},
        {QStringLiteral("trimSpaces"), true},
    };
    EXPECT_EQ(describe(CSVImportExportPreset(coder)),
              QStringLiteral("separator 0 encoding 4 line end 2 header 0 trim 1 quotes 0"));
}

} // namespace

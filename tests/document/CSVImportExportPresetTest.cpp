#include "document/CSVImportExportPreset.h"

#include "foundation/NotFound.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(CSVImportExportPresetTest, ArchiveKeepsTheReadingFieldsWithTheirTypesButNotForceQuotes)
{
    CSVImportExportPreset preset(1, StringEncodings::UTF16BigEndian, NotFound, true);
    preset.setTrimSpaces(true);
    preset.setForceQuotes(true);
    preset.setBackslashEscapes(true);
    QVariantMap coder{{QStringLiteral("unrelated"), 1}};
    preset.encodeWithCoder(coder);

    const QVariantMap expected{
        {QStringLiteral("unrelated"), 1},
        {QStringLiteral("aSeparatorType"), qint64(1)},
        {QStringLiteral("aStringEncoding"), qint64(StringEncodings::UTF16BigEndian)},
        {QStringLiteral("aLineEndingType"), qint64(NotFound)},
        {QStringLiteral("firstRowIsHeader"), true},
        {QStringLiteral("trimSpaces"), true},
        {QStringLiteral("backslashEscapes"), true},
    };
    EXPECT_EQ(coder, expected);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(coder.value(it.key()).typeId(), it.value().typeId()) << it.key().toStdString();

    CSVImportExportPreset decoded(coder);
    EXPECT_FALSE(decoded.forceQuotes());
    decoded.setForceQuotes(true);
    EXPECT_EQ(decoded, preset);
}

} // namespace

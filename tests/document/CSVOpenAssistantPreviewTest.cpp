#include "document/CSVOpenAssistantPreview.h"
#include "DocumentFiles.h"

#include "foundation/Error.h"
#include "foundation/NotFound.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QString joined(const CSVRow &row)
{
    return row.cells().join(u',');
}

// The whole preview in one line: the choices, the line ending the file is read with, the
// column titles, the number of rows with the first and last, and the warning sign.
std::string describe(const CSVOpenAssistantPreview &preview)
{
    const CSVImportExportPreset &choices = preview.choices();
    const CSVRowList &rows = preview.rows();
    const qint64 lineEnd = preview.preset().lineEndingType();
    QString text = QStringLiteral("sep=%1 enc=%2 header=%3 le=%4/%5 titles=%6 rows=%7")
                       .arg(choices.separatorType())
                       .arg(choices.stringEncoding())
                       .arg(choices.firstRowIsHeader())
                       .arg(choices.lineEndingType())
                       .arg(lineEnd == NotFound ? QStringLiteral("none") : QString::number(lineEnd))
                       .arg(preview.columnTitles().join(u'|'))
                       .arg(rows.size());
    if (!rows.empty())
        text +=
            QStringLiteral(" first=%1 last=%2").arg(joined(*rows.front()), joined(*rows.back()));
    if (preview.encodingErrorOccurred())
        text += QStringLiteral(" warning");
    return text.toStdString();
}

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int line = 1; line <= count; ++line)
        bytes += "r" + QByteArray::number(line) + ",x\n";
    return bytes;
}

// One change the user makes to the assistant's controls.
using Change = std::function<void(CSVImportExportPreset &)>;

struct PreviewCase
{
    const char *name;
    QByteArray file;
    Change change;
    std::string expected;
    CSVImportExportPreset defaults = {};
};

class CSVOpenAssistantPreviewTest : public DocumentFiles,
                                    public ::testing::TestWithParam<PreviewCase>
{};

TEST_P(CSVOpenAssistantPreviewTest, ShowsTheFileUnderTheChoices)
{
    Error error;
    auto preview =
        CSVOpenAssistantPreview::forFile(write(GetParam().file), GetParam().defaults, &error);
    ASSERT_TRUE(preview) << error.localizedDescription().toStdString();
    CSVImportExportPreset choices = preview->choices();
    GetParam().change(choices);
    preview->setChoices(choices);
    EXPECT_EQ(describe(*preview), GetParam().expected);
}

const Change nothing = [](CSVImportExportPreset &) {};

CSVImportExportPreset headerDefaults()
{
    return CSVImportExportPreset(CSVImportExportPreset::Tab, StringEncodings::MacRoman,
                                 CSVImportExportPreset::CR, true);
}

const QByteArray longTitles =
    QByteArray(300, 'L') + ',' + QByteArray(257, 'M') + ',' + QByteArray(256, 'S') + "\na,b,c\n";

INSTANTIATE_TEST_SUITE_P(
    Files, CSVOpenAssistantPreviewTest,
    ::testing::Values(
        PreviewCase{"FiftyOneLinesOfWhichTheHeaderTakesTheFirst", numberedLines(200),
                    [](CSVImportExportPreset &c) { c.setFirstRowIsHeader(true); },
                    "sep=0 enc=4 header=1 le=0/2 titles=r1|x rows=50 first=r2,x last=r51,x"},
        PreviewCase{"LongTitlesAreCutFrom257Characters", longTitles, nothing,
                    "sep=0 enc=4 header=1 le=1/2 titles=" + std::string(100, 'L') + '|' +
                        std::string(100, 'M') + '|' + std::string(256, 'S') +
                        " rows=1 first=a,b,c last=a,b,c",
                    headerDefaults()},
        PreviewCase{"DetectedSeparatorOverridesTheSetting", "a;b\r\nc;d\r\n", nothing,
                    "sep=1 enc=4 header=1 le=1/0 titles=a|b rows=1 first=c,d last=c,d",
                    headerDefaults()},
        PreviewCase{"UndecodableTextShowsTheWarning", "caf\xE9,x\nb,y\n",
                    [](CSVImportExportPreset &c) { c.setStringEncoding(StringEncodings::UTF8); },
                    "sep=0 enc=4 header=0 le=0/none titles=1 rows=1 first=caf last=caf warning"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

#include "document/CSVOpenAssistantPreview.h"
#include "DocumentFiles.h"
#include "document/CSVRecentPresets.h"

#include "foundation/Error.h"
#include "foundation/NotFound.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

using NamedCases::PrintTo;

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
    if (choices.backslashEscapes())
        text += QStringLiteral(" escapes");
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
                    "sep=0 enc=4 header=1 le=2/2 titles=r1|x rows=50 first=r2,x last=r51,x"},
        PreviewCase{"LongTitlesAreCutFrom257Characters", longTitles, nothing,
                    "sep=0 enc=4 header=1 le=2/2 titles=" + std::string(100, 'L') + '|' +
                        std::string(100, 'M') + '|' + std::string(256, 'S') +
                        " rows=1 first=a,b,c last=a,b,c",
                    headerDefaults()},
        PreviewCase{"DetectedSeparatorOverridesTheSetting", "a;b\r\nc;d\r\n", nothing,
                    "sep=1 enc=4 header=1 le=0/0 titles=a|b rows=1 first=c,d last=c,d",
                    headerDefaults()},
        PreviewCase{"UndecodableTextShowsTheWarning", "caf\xE9,x\nb,y\n",
                    [](CSVImportExportPreset &c) { c.setStringEncoding(StringEncodings::UTF8); },
                    "sep=0 enc=4 header=0 le=2/none titles=1 rows=1 first=caf last=caf warning"},
        // Escaped quotation marks would run the rest of the file into one cell; a Windows path
        // in quotation marks would with escapes.
        PreviewCase{"EscapedQuotesTurnEscapesOn", "\"5\\\" disk\",x\nb,y\n", nothing,
                    "sep=0 enc=4 header=0 le=2/2 titles=1|2 rows=2 first=5\\\" disk,x last=b,y "
                    "escapes"},
        PreviewCase{"WindowsPathsKeepEscapesOff", "\"C:\\temp\\\",x\nb,y\n", nothing,
                    "sep=0 enc=4 header=0 le=2/2 titles=1|2 rows=2 first=C:\\temp\\,x last=b,y"}),
    caseName);

class CSVOpenAssistantPreviewFileTest : public DocumentFiles, public ::testing::Test
{};

// A file opened or saved before reopens as it was read or written, whatever the guesses say.
TEST_F(CSVOpenAssistantPreviewFileTest, RemembersHowARecentFileWasRead)
{
    const QString path = write("a,b\n");
    CSVImportExportPreset remembered(CSVImportExportPreset::Semicolon, StringEncodings::ShiftJIS,
                                     CSVImportExportPreset::LF, true);
    CSVRecentPresets::remember(path, remembered);
    auto preview = CSVOpenAssistantPreview::forFile(path, {}, nullptr);
    ASSERT_TRUE(preview);
    EXPECT_EQ(describe(*preview), "sep=1 enc=2147486209 header=1 le=2/2 titles=a,b rows=0");
}

// Neither a file without line breaks nor a pipe keeps the assistant reading.
TEST_F(CSVOpenAssistantPreviewFileTest, ReadsABoundedPartAndRefusesPipes)
{
    auto preview = CSVOpenAssistantPreview::forFile(write(QByteArray(3 << 20, 'a')), {}, nullptr);
    ASSERT_TRUE(preview);
    ASSERT_EQ(preview->rows().size(), 1u);
    EXPECT_LE(preview->rows().front()->at(0).size(), CSVOpenAssistantPreview::MaximumBytes * 2);

    const QString fifo = m_dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    Error error;
    EXPECT_FALSE(CSVOpenAssistantPreview::forFile(fifo, {}, &error));
    EXPECT_TRUE(error.localizedDescription().contains(QStringLiteral("not a regular file")))
        << error.localizedDescription().toStdString();
}

} // namespace

#include "DocumentFiles.h"
#include "DocumentState.h"

#include "document/CSVDocument.h"
#include "document/CSVDocumentReader.h"
#include "document/search/CSVSearchFilter.h"

#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

// The reading state of a document in one line: rows, the columns it builds, the cell
// positions in use, and the flags that say what the window must do.
std::string describe(CSVDocument &document)
{
    document.buildTableViewColumns();
    QString flags = QStringLiteral(" n=%1").arg(document.numberOfColumns());
    if (document.columnMismatch())
        flags += QStringLiteral(" mismatch");
    if (document.isColumnMismatchQuestionPending())
        flags += QStringLiteral(" ask");
    if (!document.isEditable())
        flags += QStringLiteral(" read-only");
    if (document.undoManager().hasUnsavedChanges())
        flags += QStringLiteral(" changed");
    if (document.readFailure())
        flags += QStringLiteral(" failed-after=%1").arg(document.readFailure()->rowsRead);
    return DocumentState::table(document) + flags.toStdString();
}

struct ReadCase
{
    const char *name;
    QByteArray bytes;
    const char *expected;
    bool header = false;
    qint64 separator = CSVImportExportPreset::Comma;
    bool trim = false;
};

class CSVDocumentReadTest : public DocumentFiles, public ::testing::TestWithParam<ReadCase>
{};

TEST_P(CSVDocumentReadTest, TakesRowsHeaderAndColumnCount)
{
    CSVImportExportPreset preset(GetParam().separator, StringEncodings::UTF8,
                                 CSVImportExportPreset::LF, GetParam().header);
    preset.setTrimSpaces(GetParam().trim);
    auto document = open(GetParam().bytes, preset);
    ASSERT_TRUE(document);
    EXPECT_EQ(describe(*document), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CSVDocumentReadTest,
    ::testing::Values(
        ReadCase{"RaggedRows", "a,b,c\nd,e,f\ng,h\n",
                 "a,b,c|d,e,f|g,h cols=0:1 1:2 2:3 n=3 mismatch ask"},
        ReadCase{"EmptyFile", "", " cols= n=0 mismatch ask"},
        ReadCase{"BlankLinesGiveNoRowsSeparatorsGiveEmptyCells", "\na,b\n\nc,d\n,\n",
                 "a,b|c,d|, cols=0:1 1:2 n=2"},
        ReadCase{"HeaderOnlyFile", "x,y,z\n", " cols=0:x 1:y 2:z n=3", true},
        ReadCase{"ShortHeaderTitlesOnlyItsColumns", "h1\na,b\n",
                 "a,b cols=0:h1 1:2 n=2 mismatch ask", true},
        ReadCase{"SemicolonsTrimmed", " a ; b \n", "a,b cols=0:1 1:2 n=2", false,
                 CSVImportExportPreset::Semicolon, true},
        // What the writer writes for a row of one empty cell is a row; so is a blank line
        // between the rows of one column, as other programs write an empty value there.
        ReadCase{"QuotedEmptyLinesAreRows", "a\n\"\"\n\nb\n\"\"", "a|||b| cols=0:1 n=1"},
        ReadCase{"OneColumnKeepsBlankLinesBetweenRows", "\nx\n1\n\n\n3\n\n",
                 "x|1|||3 cols=0:1 n=1"},
        ReadCase{"TrailingSeparatorAtTheEnd", "a,b,\nc,d,", "a,b,|c,d, cols=0:1 1:2 2:3 n=3"},
        // As spreadsheets write Windows paths: a backslash escapes nothing.
        ReadCase{"BackslashesAreText", "C:\\temp\\,x\n\"C:\\new\\\",y\n",
                 "C:\\temp\\,x|C:\\new\\,y cols=0:1 1:2 n=2"}),
    caseName);

class CSVDocumentReadingTest : public DocumentFiles, public ::testing::Test
{};

TEST_F(CSVDocumentReadingTest, RaggedRowsAreFixedAsAChangeOrOpenedReadOnly)
{
    auto fixed = open("a,b,c\nd,e\n");
    fixed->fixColumnMismatch();
    auto readOnly = open("a,b,c\nd,e\n");
    readOnly->openReadOnlyForColumnMismatch();
    EXPECT_EQ(describe(*fixed) + " / " + describe(*readOnly),
              "a,b,c|d,e, cols=0:1 1:2 2:3 n=3 changed / "
              "a,b,c|d,e cols=0:1 1:2 2:3 n=3 mismatch read-only");
}

// A document that could not be read in full must not let a save cut its file short: it takes
// no edit and never has unsaved changes, until a reopen reads it all.
TEST_F(CSVDocumentReadingTest, ReadFailureKeepsTheRowsReadOnlyUntilAReopenReadsAll)
{
    auto document = open("a,b\nc,d\nZ\xFCrich,x\n");
    ASSERT_TRUE(document->readFailure());
    // The line the failure cut short is kept as far as it was read; the count says so.
    EXPECT_EQ(describe(*document), "a,b|c,d|Z cols=0:1 1:2 n=2 mismatch read-only failed-after=3");
    document->setObjectValueForTableColumn(QStringLiteral("lost"), 0, 0);
    EXPECT_FALSE(document->hasUnsavedChanges());
    EXPECT_FALSE(document->undoManager().canUndo());

    ASSERT_TRUE(document->reopenWithEncoding(StringEncodings::WindowsCP1252, nullptr));
    EXPECT_EQ(describe(*document), "a,b|c,d|Zürich,x cols=0:1 1:2 n=2");
}

// Reading the memory of this process at offset 0 opens but fails with an input/output error.
TEST_F(CSVDocumentReadingTest, ReadErrorIsAFailureToo)
{
    auto document = CSVDocument::withContentsOfURL(QStringLiteral("/proc/self/mem"), {}, nullptr);
    ASSERT_TRUE(document);
    EXPECT_EQ(describe(*document), " cols= n=0 mismatch read-only failed-after=0");
    EXPECT_FALSE(document->readFailure()->reason.isEmpty());
}

TEST_F(CSVDocumentReadingTest, ReopenKeepsUnsavedChangesAndAsksNothing)
{
    auto document = open("a,b\nc,d\n");
    document->setObjectValueForTableColumn(QStringLiteral("x"), 0, 0);
    document->setFilteredRowArrays(CSVRowList{document->rowArrays().front()});
    write("a,b\nc\n");
    ASSERT_TRUE(document->reopenWithEncoding(StringEncodings::ISOLatin1, nullptr));
    EXPECT_EQ(describe(*document) + " undo=" + std::to_string(document->undoManager().canUndo()),
              "a,b|c cols=0:1 1:2 n=2 mismatch changed undo=0");
    EXPECT_EQ(document->exportPreset().stringEncoding(), StringEncodings::ISOLatin1);
}

// The new columns take positions after every one used, lest a removed column's cells show again.
TEST_F(CSVDocumentReadingTest, AppendingLongerRowsAddsNumberedColumnsAsOneStep)
{
    auto document = open("a,b\nc,d\n");
    document->removeTableColumn(document->tableColumns().at(1));
    document->undoManager().removeAllActions();
    CSVSearchFilter::searchStringDidChanged(*document, QStringLiteral("c"));
    DocumentState::SignalLog log(*document);
    ASSERT_TRUE(document->insertRowsFromURL(write("1,2,3\n", QStringLiteral("more.csv")),
                                            CSVImportExportPreset(), nullptr));
    QCoreApplication::processEvents();
    EXPECT_EQ(log.take().substr(0, 11), "resetSearch");
    EXPECT_EQ(DocumentState::full(*document) +
                  (document->isColumnMismatchQuestionPending() ? " ask" : ""),
              "a,b|c,d|1,2,3 cols=0:1 2:3 sel=2/ undo= redo= ask");
    document->undoManager().undo();
    EXPECT_EQ(DocumentState::table(*document), "a,b|c,d cols=0:1");
    EXPECT_FALSE(document->undoManager().canUndo());
}

TEST_F(CSVDocumentReadingTest, UnopenableFileFailsWithAMessageNamingFileAndReason)
{
    const std::pair<QString, QString> cases[] = {
        {m_dir.filePath(QStringLiteral("no.csv")), QStringLiteral("No such file")},
        {m_dir.path(), localized("LSReadIsAFolder")}};
    for (const auto &[path, reason] : cases) {
        Error error;
        EXPECT_FALSE(CSVDocument::withContentsOfURL(path, {}, &error));
        const QString message = error.localizedDescription();
        EXPECT_EQ(error.domain(), CSVDocumentReader::errorDomain());
        EXPECT_TRUE(message.contains(path) && message.contains(reason)) << message.toStdString();

        CSVDocument document;
        EXPECT_FALSE(document.revertToContentsOfURL(path, nullptr));
        EXPECT_EQ(DocumentState::table(document), ",,, cols=");
    }
}

// Each reading failure says where reading stopped and what is kept, in plain words.
TEST_F(CSVDocumentReadingTest, ReadFailuresNameTheLineTheOffsetAndTheRowsKept)
{
    auto undecodable = open("Z\xFCrich,x\n");
    auto unclosed = open("a\n\"b,c\nd\n");
    ASSERT_TRUE(undecodable->readFailure() && unclosed->readFailure());
    const QString undecodableText = undecodable->readFailure()->localizedDescription(m_dir.path());
    EXPECT_TRUE(undecodableText.contains(QStringLiteral("line 1 (byte 1)")) &&
                undecodableText.contains(QStringLiteral("1 row could")) &&
                undecodableText.contains(QStringLiteral("Reopen With Encoding")))
        << undecodableText.toStdString();
    EXPECT_EQ(describe(*unclosed), "a|\"b,c\nd cols=0:1 n=1 read-only failed-after=2");
    const QString unclosedText = unclosed->readFailure()->localizedDescription(m_dir.path());
    EXPECT_TRUE(unclosedText.contains(QStringLiteral("line 2"))) << unclosedText.toStdString();
}

// The question about ragged rows follows the rows held now, and edits made before a document
// became read-only still ask before they are lost.
TEST_F(CSVDocumentReadingTest, MismatchFollowsTheRowsNowAndReadOnlyEditsStayUnsaved)
{
    auto document = open("a,b\nc\n");
    document->fixColumnMismatch();
    ASSERT_TRUE(
        document->insertRowsFromURL(write("1,2\n", QStringLiteral("even.csv")), {}, nullptr));
    EXPECT_EQ(describe(*document), "a,b|c,|1,2 cols=0:1 1:2 n=2 changed");
    write("a,b\nc,d\n");
    ASSERT_TRUE(document->revertToContentsOfURL(document->filePath(), nullptr));
    EXPECT_EQ(describe(*document), "a,b|c,d cols=0:1 1:2 n=2");

    ASSERT_TRUE(
        document->insertRowsFromURL(write("1\n", QStringLiteral("short.csv")), {}, nullptr));
    document->openReadOnlyForColumnMismatch();
    EXPECT_TRUE(document->hasUnsavedChanges());
}

// The header of an appended file titles the columns it adds and is no row.
TEST_F(CSVDocumentReadingTest, AppendingWithAHeaderTitlesTheNewColumns)
{
    auto document = open("a,b\n");
    CSVImportExportPreset preset;
    preset.setFirstRowIsHeader(true);
    ASSERT_TRUE(document->insertRowsFromURL(write("h1,h2,h3\n1,2,3\n", QStringLiteral("more.csv")),
                                            preset, nullptr));
    EXPECT_EQ(DocumentState::table(*document), "a,b|1,2,3 cols=0:1 1:2 2:h3");
}

TEST_F(CSVDocumentReadingTest, FailedReopenLeavesThePresetsAsTheyWere)
{
    auto document = open("a\n");
    const CSVImportExportPreset importPreset = document->importPreset();
    const CSVImportExportPreset exportPreset = document->exportPreset();
    QFile::remove(document->filePath());
    EXPECT_FALSE(document->reopenWithEncoding(StringEncodings::ShiftJIS, nullptr));
    EXPECT_TRUE(document->importPreset() == importPreset &&
                document->exportPreset() == exportPreset);
}

} // namespace

// The read of a worker reports the bytes read and stops when told: the result says it was
// cancelled, and keeps only the rows before.
TEST_F(CSVDocumentReadingTest, ReadStopsWhenItsProgressSaysSo)
{
    QByteArray bytes;
    for (int i = 0; i < 10000; ++i)
        bytes += "row,1\n";
    const QString path = write(bytes);
    std::vector<qint64> asked;
    const auto stopSecond = [&asked](qint64 bytesRead) {
        asked.push_back(bytesRead);
        return asked.size() < 2;
    };
    auto result = CSVDocumentReader::read(path, {}, nullptr, {}, stopSecond);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->cancelled);
    EXPECT_EQ(result->rows.size(), 8192u);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_GE(asked[0], 4096 * 6);
    EXPECT_LT(asked[0], asked[1]);
}

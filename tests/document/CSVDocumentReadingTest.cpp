#include "DocumentFiles.h"
#include "DocumentState.h"

#include "document/CSVDocument.h"
#include "document/CSVDocumentReader.h"

#include "foundation/Error.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
    ::testing::Values(ReadCase{"EvenRows", "a,b\nc,d\n", "a,b|c,d cols=0:1 1:2 n=2"},
                      ReadCase{"RaggedRows", "a,b,c\nd,e,f\ng,h\n",
                               "a,b,c|d,e,f|g,h cols=0:1 1:2 2:3 n=3 mismatch ask"},
                      ReadCase{"EmptyFile", "", " cols= n=0 mismatch ask"},
                      ReadCase{"BlankLinesGiveNoRowsSeparatorsGiveEmptyCells", "\na,b\n\nc,d\n,\n",
                               "a,b|c,d|, cols=0:1 1:2 n=2"},
                      ReadCase{"HeaderOnlyFile", "x,y,z\n", " cols=0:x 1:y 2:z n=3", true},
                      ReadCase{"HeaderLongerThanRowsIsRagged", "h1,h2,h3\na,b\nc,d\n",
                               "a,b|c,d cols=0:h1 1:h2 2:h3 n=3 mismatch ask", true},
                      ReadCase{"ShortHeaderTitlesOnlyItsColumns", "h1\na,b\n",
                               "a,b cols=0:h1 1:2 n=2 mismatch ask", true},
                      ReadCase{"SemicolonsTrimmed", " a ; b \n", "a,b cols=0:1 1:2 n=2", false,
                               CSVImportExportPreset::Semicolon, true}),
    [](const auto &info) { return std::string(info.param.name); });

class CSVDocumentReadingTest : public DocumentFiles, public ::testing::Test
{};

TEST_F(CSVDocumentReadingTest, RaggedRowsAreFixedAsAChangeOrOpenedReadOnly)
{
    auto fixed = open("a,b,c\nd,e\n");
    fixed->fixColumnMismatch();
    auto readOnly = open("a,b,c\nd,e\n");
    readOnly->openReadOnlyForColumnMismatch();
    EXPECT_EQ(describe(*fixed) + " / " + describe(*readOnly),
              "a,b,c|d,e, cols=0:1 1:2 2:3 n=3 mismatch changed / "
              "a,b,c|d,e cols=0:1 1:2 2:3 n=3 mismatch read-only");
    EXPECT_FALSE(readOnly->hasUnsavedChanges());
    EXPECT_FALSE(readOnly->shouldEditTableColumn(0, 0));
    EXPECT_FALSE(readOnly->shouldReorderColumn(0, 1));
}

TEST_F(CSVDocumentReadingTest, PresetsFollowTheOneReadWithoutTrimmingOnExport)
{
    CSVImportExportPreset preset(CSVImportExportPreset::Tab, StringEncodings::WindowsCP1252,
                                 CSVImportExportPreset::CR, true);
    preset.setTrimSpaces(true);
    preset.setForceQuotes(true);
    auto document = open("a\tb\n", preset);
    CSVImportExportPreset expectedExport = preset;
    expectedExport.setTrimSpaces(false);
    EXPECT_TRUE(document->importPreset() == preset);
    EXPECT_TRUE(document->exportPreset() == expectedExport);
    EXPECT_EQ(document->filePath(), m_dir.filePath(QStringLiteral("table.csv")));
}

TEST_F(CSVDocumentReadingTest, DocumentFromRowsKeepsThemAsTheyAreWithoutHeader)
{
    const CSVRowList rows = DocumentState::makeRows({"a,b,c", "d"});
    auto document = CSVDocument::withRows(rows, CSVImportExportPreset(0, 4, 0, true));
    EXPECT_EQ(describe(*document), "a,b,c|d cols=0:1 1:2 2:3 n=3");
    EXPECT_EQ(document->rowArrays().front(), rows.front());
    EXPECT_FALSE(document->importPreset().firstRowIsHeader());
}

// Bytes that stop decoding part way must not give a document that saving would cut short.
TEST_F(CSVDocumentReadingTest, ReadFailureKeepsTheRowsReadOnlyUntilAReopenReadsAll)
{
    auto document = open("a,b\nc,d\nZ\xFCrich,x\n");
    ASSERT_TRUE(document->readFailure());
    // The line the failure cut short is kept as far as it was read; the count says so.
    EXPECT_EQ(describe(*document), "a,b|c,d|Z cols=0:1 1:2 n=2 mismatch read-only failed-after=3");
    EXPECT_FALSE(document->readFailure()->reason.isEmpty());
    EXPECT_TRUE(document->readFailure()
                    ->localizedDescription(document->filePath())
                    .contains(QStringLiteral("table.csv")));
    document->setObjectValueForTableColumn(QStringLiteral("lost"), 0, 0);
    EXPECT_FALSE(document->hasUnsavedChanges());
    EXPECT_FALSE(document->undoManager().canUndo());

    ASSERT_TRUE(document->reopenWithEncoding(StringEncodings::WindowsCP1252, nullptr));
    EXPECT_EQ(describe(*document), "a,b|c,d|Zürich,x cols=0:1 1:2 n=2 mismatch");
}

TEST_F(CSVDocumentReadingTest, ReopenKeepsUnsavedChangesAndAsksNothing)
{
    auto document = open("a,b\nc,d\n");
    document->setObjectValueForTableColumn(QStringLiteral("x"), 0, 0);
    document->setFilteredRowArrays(CSVRowList{document->rowArrays().front()});
    write("a,b\nc\n");
    QSignalSpy asked(document.get(), &CSVDocument::columnMismatchQuestionRaised);
    ASSERT_TRUE(document->reopenWithEncoding(StringEncodings::ISOLatin1, nullptr));
    EXPECT_EQ(describe(*document) + " undo=" + std::to_string(document->undoManager().canUndo()),
              "a,b|c cols=0:1 1:2 n=2 mismatch changed undo=0");
    EXPECT_EQ(asked.count(), 0);
    EXPECT_EQ(document->importPreset().stringEncoding(), StringEncodings::ISOLatin1);
    EXPECT_EQ(document->exportPreset().stringEncoding(), StringEncodings::ISOLatin1);
}

TEST_F(CSVDocumentReadingTest, RevertForgetsChangesAndAsksAgainAboutRaggedRows)
{
    auto document = open("a,b,c\nd,e\n");
    document->fixColumnMismatch();
    document->setObjectValueForTableColumn(QStringLiteral("x"), 0, 0);
    QSignalSpy asked(document.get(), &CSVDocument::columnMismatchQuestionRaised);
    ASSERT_TRUE(document->revertToContentsOfURL(document->filePath(), nullptr));
    EXPECT_EQ(describe(*document), "a,b,c|d,e cols=0:1 1:2 2:3 n=3 mismatch ask");
    EXPECT_EQ(asked.count(), 1);
}

TEST_F(CSVDocumentReadingTest, AppendingLongerRowsAddsNumberedColumnsAsOneStep)
{
    auto document = open("a,b\nc,d\n");
    DocumentState::SignalLog log(*document);
    ASSERT_TRUE(document->insertRowsFromURL(write("1,2,3\n", QStringLiteral("more.csv")),
                                            CSVImportExportPreset(), nullptr));
    QCoreApplication::processEvents();
    EXPECT_EQ(log.take().substr(0, 11), "resetSearch");
    EXPECT_EQ(DocumentState::full(*document) +
                  (document->isColumnMismatchQuestionPending() ? " ask" : ""),
              "a,b|c,d|1,2,3 cols=0:1 1:2 2:3 sel=2/ undo= redo= ask");
    document->undoManager().undo();
    EXPECT_EQ(DocumentState::table(*document), "a,b|c,d cols=0:1 1:2");
    EXPECT_FALSE(document->undoManager().canUndo());
}

TEST_F(CSVDocumentReadingTest, AppendingAfterARemovedColumnNeverReusesItsIdentifier)
{
    auto document = open("a,b,c\n");
    document->removeTableColumn(document->tableColumns().at(2));
    ASSERT_TRUE(document->insertRowsFromURL(write("1,2,3,4\n", QStringLiteral("more.csv")),
                                            CSVImportExportPreset(), nullptr));
    EXPECT_EQ(DocumentState::table(*document), "a,b,c|1,2,3,4 cols=0:1 1:2 3:4");
}

TEST_F(CSVDocumentReadingTest, AppendingAFileThatFailsPartWayAppendsNothing)
{
    auto document = open("a,b\n");
    Error error;
    EXPECT_FALSE(document->insertRowsFromURL(write("1,2\n\xFF\xFE,3\n", QStringLiteral("bad.csv")),
                                             CSVImportExportPreset(), &error));
    EXPECT_EQ(describe(*document), "a,b cols=0:1 1:2 n=2");
    EXPECT_TRUE(error.localizedDescription().contains(QStringLiteral("bad.csv")));
}

struct UnopenableCase
{
    const char *name;
    std::function<QString(const QTemporaryDir &)> path;
};

class CSVDocumentUnopenableTest : public ::testing::TestWithParam<UnopenableCase>
{};

TEST_P(CSVDocumentUnopenableTest, FailsWithAnErrorNamingTheFile)
{
    QTemporaryDir dir;
    const QString path = GetParam().path(dir);
    Error error;
    EXPECT_FALSE(CSVDocument::withContentsOfURL(path, {}, &error));
    EXPECT_EQ(error.domain(), CSVDocumentReader::errorDomain());
    EXPECT_TRUE(error.localizedDescription().contains(path))
        << error.localizedDescription().toStdString();

    CSVDocument document;
    EXPECT_FALSE(document.revertToContentsOfURL(path, nullptr));
    EXPECT_EQ(DocumentState::table(document), ",,, cols=");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CSVDocumentUnopenableTest,
    ::testing::Values(UnopenableCase{"Missing",
                                     [](const QTemporaryDir &d) {
                                         return d.filePath(QStringLiteral("no.csv"));
                                     }},
                      UnopenableCase{"Folder", [](const QTemporaryDir &d) { return d.path(); }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

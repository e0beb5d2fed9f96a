#include "DocumentFiles.h"
#include "DocumentState.h"

#include "document/CSVDocument.h"
#include "document/CSVDocumentWriter.h"
#include "document/CSVOpenAssistantPreview.h"

#include "foundation/Error.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QDir>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

using NamedCases::PrintTo;

struct SaveCase
{
    const char *name;
    QByteArray file;
    bool header;
    std::function<void(CSVDocument &)> edit;
    QByteArray expected;
};

class CSVDocumentSaveTest : public DocumentFiles, public ::testing::TestWithParam<SaveCase>
{};

TEST_P(CSVDocumentSaveTest, WritesShownColumnsInShownOrderAndEveryRow)
{
    auto document =
        open(GetParam().file, CSVImportExportPreset(0, StringEncodings::UTF8,
                                                    CSVImportExportPreset::LF, GetParam().header));
    GetParam().edit(*document);
    const QString path = m_dir.filePath(QStringLiteral("saved.csv"));
    Error error;
    EXPECT_TRUE(document->writeToURL(path, &error)) << error.localizedDescription().toStdString();
    EXPECT_EQ(TestData::readFile(path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, CSVDocumentSaveTest,
    ::testing::Values(SaveCase{"FilterShowingOneRowOfARaggedFileSavesAllRowsPadded",
                               "a,b,c\nd\ne,f,g\n", false,
                               [](CSVDocument &d) {
                                   d.openReadOnlyForColumnMismatch();
                                   d.setFilteredRowArrays(CSVRowList{d.rowArrays()[1]});
                                   d.setDisplayMode(CSVDocument::FilterMode);
                               },
                               "a,b,c\nd,,\ne,f,g\n"},
                      SaveCase{"DraggedColumnLeadsAndRemovedColumnIsLeftOut", "x,y,z\na,b,c\n",
                               true,
                               [](CSVDocument &d) {
                                   d.tableViewColumnDidMove(2, 0);
                                   d.removeTableColumn(d.tableColumns().at(1));
                               },
                               "z,y\nc,b\n"},
                      SaveCase{"ZeroRowsWithHeaderWritesOnlyTheTitles", "x,y\n", true,
                               [](CSVDocument &) {}, "x,y\n"}),
    caseName);

class CSVDocumentSavingTest : public DocumentFiles, public ::testing::Test
{};

// The save panel's choices are no edit; after the save, the file is the document's, and a
// revert reads back what was written in another encoding, separator and header than was read.
TEST_F(CSVDocumentSavingTest, ChoicesWriteTheFileThatRevertReadsBack)
{
    auto document = open("x,y\na,b\n", CSVImportExportPreset(0, StringEncodings::UTF8, 2, true));
    document->saveAccessoryViewChanged({StringEncodings::WindowsCP1252,
                                        CSVImportExportPreset::Semicolon, CSVImportExportPreset::CR,
                                        false, true});
    EXPECT_FALSE(document->hasUnsavedChanges());
    document->setObjectValueForTableColumn(QStringLiteral("ä"), 0, 0);
    const QString path = m_dir.filePath(QStringLiteral("other.txt"));
    QSignalSpy retitled(document.get(), &CSVDocument::filePathChanged);
    ASSERT_TRUE(document->saveToURL(path, nullptr));
    EXPECT_EQ(TestData::readFile(path), "\"\xE4\";\"b\"\r");
    EXPECT_EQ(document->filePath() + u' ' + QString::number(retitled.count()) + u' ' +
                  QString::number(document->hasUnsavedChanges()),
              path + QStringLiteral(" 1 0"));

    ASSERT_TRUE(document->revertToContentsOfURL(path, nullptr));
    EXPECT_EQ(DocumentState::table(*document), "ä,b cols=0:1 1:2");
}

// An unencodable character is named where the user sees it: data rows counted below the
// titles, and a title as a title.
TEST_F(CSVDocumentSavingTest, UnencodableCharacterIsNamedAsTheTableShowsIt)
{
    auto document = open("x,y\na,b\nc,d\n", CSVImportExportPreset(0, 4, 0, true));
    document->saveAccessoryViewChanged({StringEncodings::WindowsCP1252, 0, 0, true, false});
    const auto writeNames = [&](const QString &place) {
        Error error;
        EXPECT_FALSE(document->writeToURL(m_dir.filePath(QStringLiteral("out.csv")), &error));
        EXPECT_TRUE(error.localizedDescription().contains(place))
            << error.localizedDescription().toStdString();
    };
    document->setObjectValueForTableColumn(QStringLiteral("ř"), 1, 1);
    writeNames(QStringLiteral(": Row 2, column 2 "));
    document->undoManager().undo();
    document->tableColumnSetTitle(document->tableColumns().at(1), QStringLiteral("ř"));
    writeNames(QStringLiteral(": The title of column 2 "));
}

// Cancelled after the first block went to the temporary file: the old file stays byte for
// byte and the temporary file is gone.
TEST_F(CSVDocumentSavingTest, CancelledSaveLeavesTheOldFileAndNoTemporaryFile)
{
    auto document = open(QByteArray("a,b\n").repeated(100'000));
    const QString target = TestData::writeFile(m_dir, QStringLiteral("old.csv"), "old\n");
    const QStringList files = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    qsizetype rowsWritten = 0;
    Error error;
    EXPECT_FALSE(document->writeToURL(target, &error, [&](qsizetype rows) {
        rowsWritten = rows;
        return false;
    }));
    EXPECT_EQ(error.code(), CSVDocumentWriter::SaveCancelled);
    EXPECT_GT(rowsWritten, 0);
    EXPECT_EQ(TestData::readFile(target), "old\n");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), files);
}

// What the save must survive: each case spoils the save in its own way, and the file that was
// there stays byte for byte, the document keeps its unsaved changes and no stray file is left.
struct FailureCase
{
    const char *name;
    // Answers the path to save to, the old file already written there when there is one.
    std::function<QString(const QTemporaryDir &)> target;
    const char *reasonPart;
    QString cell = QStringLiteral("changed");
    // Makes what holds while the save runs; the save is over when the result is dropped.
    std::function<std::shared_ptr<void>()> during = [] { return nullptr; };
};

class CSVDocumentSaveFailureTest : public DocumentFiles,
                                   public ::testing::TestWithParam<FailureCase>
{};

TEST_P(CSVDocumentSaveFailureTest, LeavesTheOldFileAndTheUnsavedChanges)
{
    auto document = open("a,b\nc,d\n");
    document->saveAccessoryViewChanged(
        {StringEncodings::WindowsCP1252, 0, CSVImportExportPreset::LF, false, false});
    document->setObjectValueForTableColumn(GetParam().cell, 0, 1);
    const QString target = GetParam().target(m_dir);
    const QByteArray before = TestData::readFile(target);
    const auto files = [&] {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };
    const QStringList filesBefore = files();

    Error error;
    bool saved = true;
    {
        const std::shared_ptr<void> circumstances = GetParam().during();
        saved = document->saveToURL(target, &error);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(error.domain(), CSVDocumentWriter::errorDomain());
    EXPECT_TRUE(error.localizedDescription().contains(target) &&
                error.localizedDescription().contains(QLatin1String(GetParam().reasonPart)))
        << error.localizedDescription().toStdString();
    EXPECT_EQ(TestData::readFile(target), before);
    EXPECT_EQ(files(), filesBefore);
    EXPECT_TRUE(document->hasUnsavedChanges());
    EXPECT_EQ(document->filePath(), m_dir.filePath(QStringLiteral("table.csv")));
}

// Writing more than a process may write fails as a full disk does (EFBIG instead of ENOSPC),
// at the same place: a write part way through the file.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

QString existingFile(const QTemporaryDir &dir)
{
    return TestData::writeFile(dir, QStringLiteral("old.csv"), "old,contents\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Causes, CSVDocumentSaveFailureTest,
    ::testing::Values(FailureCase{"UnencodableCharacter", existingFile, "U+20BD",
                                  QStringLiteral("5 ₽")},
                      FailureCase{"FolderIsAFile",
                                  [](const QTemporaryDir &d) {
                                      return existingFile(d) + QStringLiteral("/new.csv");
                                  },
                                  "old.csv/new.csv"},
                      FailureCase{"DiskFull", existingFile, "large", QString(100000, u'x'),
                                  [] { return std::make_shared<FileSizeLimit>(4096); }}),
    caseName);

// A save keeps what makes the file the one it is. CI runs the tests as root, who may give a file
// to anyone: the owner case needs that, the attribute case a file system with user attributes.
struct IdentityCase
{
    const char *name;
    // Makes the old file at path and answers the path to save to.
    std::function<QString(const QString &path)> prepare;
    const char *expected;
    bool showOwner = false;
};

QString identity(const QString &path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("missing");
    const bool isLink = S_ISLNK(status.st_mode);
    ::stat(QFile::encodeName(path).constData(), &status);
    char attribute[16] = {};
    const bool hasAttribute =
        ::getxattr(QFile::encodeName(path).constData(), "user.tag", attribute, 15) > 0;
    return QStringLiteral("%1 mode=%2 links=%3%4 %5")
        .arg(isLink ? u"link" : u"file")
        .arg(status.st_mode & 07777, 0, 8)
        .arg(status.st_nlink)
        .arg(hasAttribute ? QStringLiteral(" tag=") + QLatin1String(attribute) : QString())
        .arg(QString::fromUtf8(TestData::readFile(path)));
}

class CSVDocumentSaveIdentityTest : public DocumentFiles,
                                    public ::testing::TestWithParam<IdentityCase>
{};

TEST_P(CSVDocumentSaveIdentityTest, KeepsTheFilesIdentity)
{
    auto document = open("a,b\n", CSVImportExportPreset(0, StringEncodings::UTF8, 2, false));
    const QString path = m_dir.filePath(QStringLiteral("old.csv"));
    TestData::writeFile(m_dir, QStringLiteral("old.csv"), "old\n");
    const QString target = GetParam().prepare(path);
    if (target.isEmpty())
        GTEST_SKIP() << "not possible here";
    Error error;
    ASSERT_TRUE(document->saveToURL(target, &error)) << error.localizedDescription().toStdString();
    struct stat status = {};
    ::stat(QFile::encodeName(path).constData(), &status);
    const QString owner = QStringLiteral(" owner=%1:%2").arg(status.st_uid).arg(status.st_gid);
    EXPECT_EQ(identity(target) + (GetParam().showOwner ? owner : QString()),
              QString::fromUtf8(GetParam().expected));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Hidden | QDir::Files).filter(u".old"),
              QStringList());
}

QString withMode(const QString &path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CSVDocumentSaveIdentityTest,
    ::testing::Values(IdentityCase{"GroupReadableWithSetGroupId",
                                   [](const QString &p) { return withMode(p, 02640); },
                                   "file mode=2640 links=1 a,b\n"},
                      IdentityCase{"ReadOnly", [](const QString &p) { return withMode(p, 0444); },
                                   "file mode=444 links=1 a,b\n"},
                      IdentityCase{"OtherOwnerAndGroup",
                                   [](const QString &p) {
                                       return ::chown(QFile::encodeName(p).constData(), 1, 2) == 0
                                                  ? p
                                                  : QString();
                                   },
                                   "file mode=644 links=1 a,b\n owner=1:2", true},
                      IdentityCase{"SecondHardLinkSeesTheNewContents",
                                   [](const QString &p) {
                                       const QString second = p + QStringLiteral("2");
                                       ::link(QFile::encodeName(p).constData(),
                                              QFile::encodeName(second).constData());
                                       return second;
                                   },
                                   "file mode=644 links=2 a,b\n"},
                      IdentityCase{"ExtendedAttribute",
                                   [](const QString &p) {
                                       return ::setxattr(QFile::encodeName(p).constData(),
                                                         "user.tag", "kept", 4, 0) == 0
                                                  ? p
                                                  : QString();
                                   },
                                   "file mode=644 links=1 tag=kept a,b\n"},
                      IdentityCase{"SymbolicLinkStaysALink",
                                   [](const QString &p) {
                                       const QString link = p + QStringLiteral(".link");
                                       QFile::link(p, link);
                                       return link;
                                   },
                                   "link mode=644 links=1 a,b\n"}),
    caseName);

// A pipe or a device is no file to replace: the save says so instead of putting a regular file
// in its place, and a folder that cannot be written is named as the fault.
TEST_F(CSVDocumentSavingTest, RefusesWhatIsNoRegularFileAndNamesAFolderItCannotWrite)
{
    auto document = open("a\n");
    const QString fifo = m_dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    Error error;
    EXPECT_FALSE(document->saveToURL(fifo, &error));
    EXPECT_TRUE(error.localizedDescription().contains(QStringLiteral("not a regular file")))
        << error.localizedDescription().toStdString();
    struct stat status = {};
    ::lstat(QFile::encodeName(fifo).constData(), &status);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    EXPECT_FALSE(document->saveToURL(QStringLiteral("/sys/tabwright.csv"), &error));
    EXPECT_TRUE(error.localizedDescription().contains(QStringLiteral("folder “sys”")))
        << error.localizedDescription().toStdString();
}

// Files already in the writer's style come back byte for byte when opened as the open assistant
// guesses and saved without an edit: the hand-written ones, and every sample file of the test
// data once it has been saved once.
class CSVDocumentRoundTripTest : public DocumentFiles, public ::testing::Test
{
protected:
    // Opens the file as the assistant would on confirming its guesses, and saves it.
    QString openAndSave(const QString &path, const QString &savedName)
    {
        Error error;
        const auto preview = CSVOpenAssistantPreview::forFile(path, {}, &error);
        auto document =
            preview ? CSVDocument::withContentsOfURL(path, preview->preset(), &error) : nullptr;
        if (!document || document->readFailure())
            return {};
        document->buildTableViewColumns();
        if (document->columnMismatch())
            document->fixColumnMismatch();
        const QString target = m_dir.filePath(savedName);
        return document->saveToURL(target, &error) ? target : QString();
    }
};

TEST_F(CSVDocumentRoundTripTest, HandWrittenFilesInTheWritersStyle)
{
    const QList<QByteArray> files = {
        "id,name,note\r\n1,Ann,\"a, b\"\r\n2,\"Bo \"\"B\"\"\",\r\n",
        "a;b;c\n\"x;y\";\"two\nlines\";z\n",
        "a\tb\r1\t\"2 3\"\r",
        QByteArray("\xFF\xFE"
                   "a\0,\0\xE9\0\r\0\n\0",
                   12),
        "caf\xE9,na\xEFve,\xA4"
        "5\r\n\xE9t\xE9,,x\r\n",
        "single\r\n",
        "",
    };
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = write(files[i], QStringLiteral("in%1.csv").arg(i));
        const QString saved = openAndSave(path, QStringLiteral("out%1.csv").arg(i));
        EXPECT_EQ(TestData::readFile(saved), files[i]) << "file " << i;
    }
}

TEST_F(CSVDocumentRoundTripTest, SampleFilesOnceSaved)
{
    QStringList checked;
    QDirIterator it(TestData::path(QString()), {QStringLiteral("*.csv"), QStringLiteral("*.txt")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sample = it.next();
        const QString once = openAndSave(sample, QStringLiteral("once.csv"));
        if (once.isEmpty())
            continue; // a sample that does not decode under the guess is no table to keep
        const QByteArray first = TestData::readFile(once);
        const QString twice = openAndSave(once, QStringLiteral("twice.csv"));
        EXPECT_EQ(TestData::readFile(twice), first) << sample.toStdString();
        checked << sample;
    }
    EXPECT_GT(checked.size(), 60); // of the 70 samples at the time of writing
}

} // namespace

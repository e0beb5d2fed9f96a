#include "AppFixture.h"

#include "app/AutosaveTimer.h"
#include "app/DocumentController.h"

#include "ui/DocumentReadRun.h"
#include "ui/DocumentSaving.h"
#include "ui/DocumentWindow.h"
#include "ui/GuiTestSupport.h"
#include "ui/OpenAssistant.h"
#include "ui/commands/CommandAction.h"

#include "document/CSVDocument.h"
#include "kit/ZRNProgressWindow.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace {

using NamedCases::PrintTo;

// Long reads and saves run on a worker under a progress window; Cancel must leave everything
// as it was: the documents, their unsaved changes and the files.
class CancelledWorkTest : public AppFixture
{
protected:
    // A file just large enough to be read on a worker.
    QString largeFile()
    {
        QByteArray bytes;
        bytes.reserve(DocumentReadRun::s_progressThreshold + 16);
        while (bytes.size() < DocumentReadRun::s_progressThreshold)
            bytes += "1,2\n";
        return file(QStringLiteral("large.csv"), bytes);
    }

    // Presses Cancel on the progress window at once, then waits until the work has ended.
    static void cancelProgress()
    {
        QPointer<ZRNProgressWindow> progress =
            qobject_cast<ZRNProgressWindow *>(QApplication::activeModalWidget());
        ASSERT_TRUE(progress);
        progress->cancelButton()->click();
        WAIT_UNTIL(!progress);
    }

    // Every file of the folder and its bytes.
    QMap<QString, QByteArray> folder() const
    {
        QMap<QString, QByteArray> files;
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            files.insert(name, TestData::readFile(m_dir.filePath(name)));
        return files;
    }
};

TEST_F(CancelledWorkTest, OpenAtLaunchLeavesNothingOpenAndTheApplicationQuits)
{
    QSignalSpy nothingOpen(&documents(), &DocumentController::openingLeftNothingOpen);
    m_app->launch({largeFile()});
    WAIT_UNTIL(openAssistant());
    openAssistant()->accept();
    cancelProgress();
    EXPECT_TRUE(documents().windows().empty());
    EXPECT_EQ(nothingOpen.count(), 1);
}

struct CancelCase
{
    const char *name;
    // Sets the scene on the window of an edited document: its file replaced by a large one,
    // or the document made large.
    void (*prepare)(DocumentWindow *window, const QString &large);
    void (*start)(DocumentController &documents, DocumentWindow *window, const QString &large);
};

class CancelledDocumentWorkTest : public CancelledWorkTest,
                                  public ::testing::WithParamInterface<CancelCase>
{};

TEST_P(CancelledDocumentWorkTest, LeavesTheDocumentAndItsFilesAsTheyWere)
{
    m_app->launch({});
    const QString path = file(QStringLiteral("t.csv"), "a,b\nc,d\n");
    DocumentWindow *window = documents().openDocumentWithContentsOfURL(path, {}, nullptr);
    ASSERT_TRUE(window);
    window->activateWindow();
    CSVDocument &document = window->document();
    document.setObjectValueForTableColumn(QStringLiteral("x"), 0, 0);
    const QString large = largeFile();
    GetParam().prepare(window, large);
    const CSVRowList rows = document.rowArrays();
    const QMap<QString, QByteArray> files = folder();

    GetParam().start(documents(), window, large);
    // Meanwhile nothing else may write the document or take it away.
    documents().autosaveTimer().autosaveDoTimer();
    documents().closeWindow(window);
    cancelProgress();

    QCoreApplication::processEvents();
    EXPECT_TRUE(document.rowArrays() == rows);
    EXPECT_TRUE(document.hasUnsavedChanges() && document.undoManager().canUndo());
    EXPECT_EQ(document.filePath(), path);
    EXPECT_TRUE(folder() == files) << folder().keys().join(u' ').toStdString();
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_EQ(documents().windows().size(), 2u);
}

void replaceFile(DocumentWindow *window, const QString &large)
{
    QFile::remove(window->document().filePath());
    QFile::copy(large, window->document().filePath());
}

void keepAll(DocumentWindow *, const QString &) {}

// Rows enough to be written on a worker for a while, all the same row.
void makeLarge(DocumentWindow *window, const QString &)
{
    CSVDocument &document = window->document();
    document.setRowArrays(
        CSVRowList(DocumentSaving::s_progressCells * 2, document.rowArrays().front()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Works, CancelledDocumentWorkTest, ::testing::Values(
    CancelCase{"Revert", replaceFile, [](DocumentController &, DocumentWindow *window, const QString &) {
        window->sendCommand({CommandId::RevertDocumentToSaved});
        answerAlert(window, 1);
    }},
    CancelCase{"ReopenWithEncoding", replaceFile, [](DocumentController &, DocumentWindow *window, const QString &) {
        window->sendCommand({CommandId::ReopenWithEncoding, qint64(StringEncodings::ISOLatin1)});
        answerAlert(window, 1);
    }},
    CancelCase{"InsertFile", keepAll, [](DocumentController &, DocumentWindow *window, const QString &large) {
        window->sendCommand({CommandId::InsertDocument});
        auto *panel = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(panel);
        emit panel->filesSelected({large});
        panel->reject();
        WAIT_UNTIL(openAssistant());
        openAssistant()->accept();
    }},
    CancelCase{"Save", makeLarge, [](DocumentController &, DocumentWindow *window,
                                     const QString &) {
        window->sendCommand({CommandId::SaveDocument});
    }},
    // Under the same sheet as a user's save, never on the main thread.
    CancelCase{"Autosave", makeLarge, [](DocumentController &documents, DocumentWindow *,
                                         const QString &) {
        documents.autosaveTimer().autosaveDoTimer();
    }}),
    caseName);
// clang-format on

} // namespace

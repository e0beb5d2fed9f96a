#include "AppFixture.h"

#include "app/DocumentController.h"

#include "ui/DocumentWindow.h"
#include "ui/GuiTestSupport.h"
#include "ui/commands/CommandAction.h"

#include "csv/StringEncoding.h"
#include "document/CSVDocument.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNSheetPresentation.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QMessageBox>

#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace {

using NamedCases::PrintTo;

class DocumentRereadingTest : public AppFixture
{
protected:
    DocumentWindow *open(const QByteArray &bytes, const CSVImportExportPreset &preset = {})
    {
        m_path = file(QStringLiteral("t.csv"), bytes);
        DocumentWindow *window = documents().openDocumentWithContentsOfURL(m_path, preset, nullptr);
        EXPECT_TRUE(window);
        return window;
    }

    static void edit(DocumentWindow *window)
    {
        window->document().setObjectValueForTableColumn(QStringLiteral("x"), 0, 0);
    }

    static bool offersRevert(DocumentWindow *window)
    {
        window->validateUserInterfaceItems();
        return window->menuAction(CommandId::RevertDocumentToSaved)->isEnabled();
    }

    // "x,b|c,d changed undo": the rows, and whether there is anything to save or to undo.
    static QString state(CSVDocument &document)
    {
        QString state = DocumentState::visibleRows(document);
        if (document.hasUnsavedChanges())
            state += QStringLiteral(" changed");
        if (!document.isEditable())
            state += QStringLiteral(" read-only");
        if (document.undoManager().canUndo())
            state += QStringLiteral(" undo");
        return state;
    }

    QString m_path;
};

struct RevertCase
{
    const char *name;
    const char *fileNow; // what the file holds when the user reverts; nullptr: it has gone
    int answer;          // 0 "LSno", 1 "LSyes"
    const char *nextAlert;
    const char *state;
};

class RevertTest : public DocumentRereadingTest, public ::testing::WithParamInterface<RevertCase>
{};

TEST_P(RevertTest, AsksOnTheWindowThenReadsTheFileAgain)
{
    const RevertCase &c = GetParam();
    ZRNSheetPresentation::sharedPresentation().setUseHighlightEffect(true);
    DocumentWindow *window = open("a,b\nc,d\n");
    edit(window);
    if (c.fileNow)
        file(QStringLiteral("t.csv"), c.fileNow);
    else
        ASSERT_TRUE(QFile::remove(m_path));

    ASSERT_TRUE(offersRevert(window));
    window->menuAction(CommandId::RevertDocumentToSaved)->trigger();
    WAIT_UNTIL(openAlert(window));
    EXPECT_EQ(openAlert(window)->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(openAlert(window)->text().contains(QStringLiteral("t.csv")));
    EXPECT_TRUE(ZRNSheetPresentation::highlightForWindow(window));
    ASSERT_TRUE(answerAlert(window, c.answer));

    if (c.nextAlert) {
        WAIT_UNTIL(openAlert(window));
        EXPECT_EQ(openAlert(window)->text(), localized(c.nextAlert));
    }
    EXPECT_EQ(state(window->document()), QString::fromLatin1(c.state));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, RevertTest, ::testing::Values(
    RevertCase{"Declined", "p,q\n", 0, nullptr, "x,b|c,d changed undo"},
    RevertCase{"Confirmed", "p,q\n", 1, nullptr, "p,q"},
    RevertCase{"RaggedRowsAskAgain", "a,b,c\nd\n", 1, "LSADataErrorTitle", "a,b,c|d"},
    RevertCase{"FileGoneKeepsTheEdits", nullptr, 1, "LSOpenFailedTitle", "x,b|c,d changed undo"}),
    caseName);
// clang-format on

// Reopening throws unsaved edits away, so it asks first; in an encoding that does not fit the
// file it leaves a read-only part of it, and the user is told why, as when such a file is opened.
TEST_F(DocumentRereadingTest, ReopenAsksFirstAndSaysWhyItStoppedPartWay)
{
    DocumentWindow *window = open(
        "a,b\nZ\xFCrich\n", CSVImportExportPreset(0, StringEncodings::WindowsCP1252, 0, false));
    edit(window);
    window->sendCommand({CommandId::ReopenWithEncoding, qint64(StringEncodings::UTF8)});
    WAIT_UNTIL(openAlert(window));
    EXPECT_EQ(openAlert(window)->text(), localized("LSAReopenDiscardsTitle"));
    ASSERT_TRUE(answerAlert(window, 1));
    WAIT_UNTIL(openAlert(window));
    EXPECT_EQ(openAlert(window)->text(), localized("LSReadFailedTitle"));
    EXPECT_EQ(state(window->document()), QStringLiteral("a,b|Z read-only"));
}

} // namespace

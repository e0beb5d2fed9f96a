#include "app/DocumentController.h"
#include "AppFixture.h"

#include "app/AppController.h"
#include "app/AutosaveTimer.h"

#include "ui/DocumentWindow.h"
#include "ui/GuiTestSupport.h"
#include "ui/OpenAssistant.h"
#include "ui/PresetControls.h"
#include "ui/SavePanel.h"
#include "ui/commands/CommandAction.h"

#include "document/CSVDocument.h"
#include "document/CSVOpenAssistantPreview.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <gtest/gtest.h>

using namespace GuiTestSupport;

namespace {

const char *const s_choiceKeys[] = {DefaultsKeys::StringEncoding, DefaultsKeys::Separator,
                                    DefaultsKeys::LineEnding,     DefaultsKeys::FirstRowIsHeader,
                                    DefaultsKeys::TrimSpaces,     DefaultsKeys::ForceQuotes};

// The open assistant's choices as stored in the settings, in one line.
QString storedChoices()
{
    QStringList values;
    for (const char *name : s_choiceKeys)
        values << UserDefaults::standard().object(QString::fromLatin1(name)).toString();
    return values.join(u' ');
}

void choose(QComboBox *popup, qint64 tag)
{
    const int index = popup->findData(tag);
    popup->setCurrentIndex(index);
    emit popup->activated(index);
}

class DocumentControllerTest : public AppFixture
{
protected:
    // Opens the file as the assistant does when its guesses are confirmed.
    DocumentWindow *openDirectly(const QString &path)
    {
        const auto preview = CSVOpenAssistantPreview::forFile(path, {}, nullptr);
        return preview ? documents().openDocumentWithContentsOfURL(path, preview->preset(), nullptr)
                       : nullptr;
    }

    void activate(DocumentWindow *window)
    {
        window->activateWindow();
        WAIT_UNTIL(documents().currentWindow() == window);
    }
};

// Opening a file leads through the assistant, titled for the file and sitting on the window.
TEST_F(DocumentControllerTest, OpenPanelGoesThroughTheAssistant)
{
    m_app->launch({});
    const QString path = file(QStringLiteral("shop.csv"), "a,b\nc,d\n");
    documents().currentWindow()->sendCommand({CommandId::OpenDocument});
    auto *panel = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    ASSERT_TRUE(panel);
    emit panel->filesSelected({path});
    panel->reject();
    OpenAssistant *assistant = nullptr;
    WAIT_UNTIL(assistant = openAssistant());
    EXPECT_EQ(assistant->windowTitle(),
              localized("LSAssistantTitle")
                  .arg(localized("LSOpenAssistant"), QStringLiteral("shop.csv")));
    EXPECT_EQ(assistant->windowModality(), Qt::WindowModal);
    assistant->accept();
    EXPECT_EQ(titles(),
              (QStringList{QStringLiteral("Untitled[*]"), QStringLiteral("shop.csv[*]")}));
    EXPECT_EQ(DocumentController::recentDocuments(), QStringList{path});
}

// A semicolon file although the setting says comma: the assistant shows it split at semicolons,
// and what the user changes there becomes the settings only when the file is opened.
TEST_F(DocumentControllerTest, AssistantStoresTheChoicesOnlyWhenConfirmed)
{
    m_app->launch({file(QStringLiteral("semi.csv"), "a;b\n0;x\n")});
    OpenAssistant *assistant = nullptr;
    WAIT_UNTIL(assistant = openAssistant());
    EXPECT_EQ(assistant->windowModality(), Qt::ApplicationModal); // no window to sit on
    PresetControls &controls = *assistant->controls();
    EXPECT_EQ(PresetControls::selectedTag(controls.separatorPopup()), 1);
    controls.firstRowIsHeaderButton()->setChecked(true);
    choose(controls.lineEndingPopup(), CSVImportExportPreset::CR);
    EXPECT_EQ(storedChoices(), QStringLiteral("4 0 0 false false false"));

    assistant->accept();
    ASSERT_EQ(documents().windows().size(), 1u);
    EXPECT_EQ(storedChoices(), QStringLiteral("4 1 1 true false false"));
    // The document keeps the line ending the file uses.
    const CSVDocument &document = documents().windows().front()->document();
    EXPECT_EQ(document.importPreset().lineEndingType(), CSVImportExportPreset::LF);
    EXPECT_EQ(DocumentState::columns(document), QStringLiteral("0:a 1:b"));
}

TEST_F(DocumentControllerTest, OpenRecentCancelledInTheAssistantOpensAndShowsNothing)
{
    m_app->launch({});
    DocumentWindow *window = documents().currentWindow();
    window->sendCommand({CommandId::OpenRecentDocument, file(QStringLiteral("semi.csv"), "a;b\n")});
    WAIT_UNTIL(openAssistant());
    choose(openAssistant()->controls()->separatorPopup(), CSVImportExportPreset::Tab);
    openAssistant()->reject();
    QCoreApplication::processEvents();
    EXPECT_EQ(titles(), QStringList{QStringLiteral("Untitled[*]")});
    EXPECT_EQ(storedChoices(), QStringLiteral("4 0 0 false false false"));
    EXPECT_FALSE(openAlert(window));
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(DocumentControllerTest, InsertedFileIsOneUndoStepStoresNoSettingsAndNeedsAnEditableFile)
{
    m_app->launch({});
    DocumentWindow *window = openDirectly(file(QStringLiteral("base.csv"), "a,b\n"));
    activate(window);
    const QString more = file(QStringLiteral("more.csv"), "1;2\n3;4\n");
    ASSERT_TRUE(window->isCommandEnabled({CommandId::InsertDocument}));
    window->sendCommand({CommandId::InsertDocument});
    auto *panel = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    ASSERT_TRUE(panel);
    emit panel->filesSelected({more});
    panel->reject();
    OpenAssistant *assistant = nullptr;
    WAIT_UNTIL(assistant = openAssistant());
    EXPECT_EQ(assistant->windowTitle(),
              localized("LSAssistantTitle")
                  .arg(localized("LSImportAssistant"), QStringLiteral("more.csv")));
    choose(assistant->controls()->lineEndingPopup(), CSVImportExportPreset::CR);
    assistant->accept();
    CSVDocument &document = window->document();
    EXPECT_EQ(DocumentState::visibleRows(document), QStringLiteral("a,b|1,2|3,4"));
    EXPECT_EQ(storedChoices(), QStringLiteral("4 0 0 false false false"));
    document.undoManager().undo();
    EXPECT_EQ(DocumentState::visibleRows(document), QStringLiteral("a,b"));
    document.openReadOnlyForColumnMismatch();
    EXPECT_FALSE(window->isCommandEnabled({CommandId::InsertDocument}));
}

// The accessory's choices count only when the panel is confirmed: a cancelled Save As must not
// change how the next save or autosave writes the file.
TEST_F(DocumentControllerTest, SaveAsProposesTheNameAndTakesAccessoryChangesOnlyWhenConfirmed)
{
    m_app->launch({});
    DocumentWindow *window = documents().currentWindow();
    const CSVImportExportPreset before = window->document().exportPreset();
    window->sendCommand({CommandId::SaveDocumentAs});
    auto *panel = qobject_cast<SavePanel *>(QApplication::activeModalWidget());
    ASSERT_TRUE(panel);
    EXPECT_EQ(QFileInfo(panel->selectedFiles().value(0)).fileName(),
              QStringLiteral("Untitled.csv"));
    choose(panel->accessory()->separatorPopup(), CSVImportExportPreset::Tab);
    panel->accessory()->forceQuotesButton()->setChecked(true);
    panel->reject();
    EXPECT_EQ(window->document().exportPreset(), before);
    EXPECT_FALSE(window->document().hasUnsavedChanges());

    window->sendCommand({CommandId::SaveDocumentAs});
    panel = qobject_cast<SavePanel *>(QApplication::activeModalWidget());
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->accessory()->forceQuotesButton()->isChecked());
    choose(panel->accessory()->separatorPopup(), CSVImportExportPreset::Tab);
    panel->accessory()->forceQuotesButton()->setChecked(true);
    const QString path = m_dir.filePath(QStringLiteral("chosen"));
    panel->selectFile(path);
    static_cast<QDialog *>(panel)->accept(); // as the panel's Save button does
    EXPECT_EQ(TestData::readFile(path + QStringLiteral(".tsv")), "\"\"\t\"\"\t\"\"\t\"\"\r\n");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("chosen.tsv[*]"));
    EXPECT_EQ(DocumentController::recentDocuments(), QStringList{path + QStringLiteral(".tsv")});
}

TEST_F(DocumentControllerTest, FailedSaveShowsTheFileAndTheReasonAndStaysEdited)
{
    m_app->launch({});
    const QString path = file(QStringLiteral("prices.csv"), "item,price\r\n");
    DocumentWindow *window = openDirectly(path);
    activate(window);
    CSVDocument &document = window->document();
    document.setObjectValueForTableColumn(QStringLiteral("₽"), 1, 0);
    WAIT_UNTIL(window->isWindowModified());
    CSVSavePanelChoices choices = CSVSavePanelChoices::fromPreset(document.exportPreset());
    choices.encoding = StringEncodings::WindowsCP1252;
    document.saveAccessoryViewChanged(choices);

    window->sendCommand({CommandId::SaveDocument});
    QMessageBox *alert = nullptr;
    WAIT_UNTIL(alert = openAlert(window));
    EXPECT_TRUE(alert->informativeText().contains(path) &&
                alert->informativeText().contains(QStringLiteral("U+20BD")))
        << alert->informativeText().toStdString();
    EXPECT_EQ(TestData::readFile(path), "item,price\r\n");
    QCoreApplication::processEvents();
    EXPECT_TRUE(document.hasUnsavedChanges() && window->isWindowModified());
    answerAlert(window, 0);
}

// Only documents with a file and unsaved changes are saved; none of them asks anything.
TEST_F(DocumentControllerTest, AutosaveSkipsUntitledAndReadOnlyDocuments)
{
    m_app->launch({});
    documents().currentWindow()->document().setObjectValueForTableColumn(QStringLiteral("u"), 0, 0);
    const QString edited = file(QStringLiteral("edited.csv"), "a,b\r\n");
    openDirectly(edited)->document().setObjectValueForTableColumn(QStringLiteral("z"), 0, 0);
    const QString ragged = file(QStringLiteral("ragged.csv"), "a,b\r\nc\r\n");
    openDirectly(ragged)->document().openReadOnlyForColumnMismatch();

    UserDefaults::standard().setObject(key(DefaultsKeys::AutoSaveTime), 5);
    NotificationCenter::defaultCenter().post(QStringLiteral("PrefsChanged"));
    EXPECT_EQ(documents().autosaveTimer().interval(), 5 * 60 * 1000);
    documents().autosaveTimer().autosaveDoTimer();

    EXPECT_EQ(TestData::readFile(edited) + '|' + TestData::readFile(ragged),
              "z,b\r\n|a,b\r\nc\r\n");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(documents().windows().front()->document().hasUnsavedChanges());
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(DocumentControllerTest, NewDocumentFromSelectedFilteredRowsHoldsCopies)
{
    m_app->launch({});
    DocumentWindow *source = openDirectly(file(QStringLiteral("s.csv"), "a\nb\nc\nd\ne\n"));
    activate(source);
    CSVDocument &document = source->document();
    const CommandSender command(CommandId::NewDocumentFromSelection);
    EXPECT_FALSE(source->isCommandEnabled(command));

    const CSVRowList &rows = document.rowArrays();
    document.setFilteredRowArrays(CSVRowList{rows[1], rows[2], rows[3], rows[4]});
    document.setDisplayMode(CSVDocument::FilterMode);
    document.selectRowIndexes(IndexSet::fromRange(1, 3), false);
    ASSERT_TRUE(source->isCommandEnabled(command));
    source->sendCommand(command);

    CSVDocument &copy = documents().windows().back()->document();
    EXPECT_EQ(DocumentState::visibleRows(copy), QStringLiteral("c|d|e"));
    copy.setObjectValueForTableColumn(QStringLiteral("changed"), 0, 0);
    EXPECT_EQ(DocumentState::visibleRows(document), QStringLiteral("b|c|d|e"));
    EXPECT_TRUE(copy.filePath().isEmpty());
    EXPECT_EQ(documents().windows().back()->windowTitle(), QStringLiteral("Untitled 2[*]"));
}

// Insert (as Open) starts in the current document's folder, under a title of the string table,
// and Reopen With Encoding marks the encoding the document was read with.
TEST_F(DocumentControllerTest, PanelsStartInTheDocumentsFolderAndTheReadEncodingIsMarked)
{
    m_app->launch({});
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
    DocumentWindow *window = openDirectly(file(QStringLiteral("sub/t.csv"), "a,b\n"));
    ASSERT_TRUE(window);
    window->sendCommand({CommandId::InsertDocument});
    auto *panel = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    ASSERT_TRUE(panel);
    const QString shown = panel->directory().absolutePath() + u' ' + panel->windowTitle();
    panel->reject();
    window->validateUserInterfaceItems();
    const CommandAction *utf8 =
        window->menuAction(CommandId::ReopenWithEncoding, qint64(StringEncodings::UTF8));
    EXPECT_EQ(shown + (utf8 && utf8->isChecked() ? " marked" : ""),
              m_dir.filePath(QStringLiteral("sub")) + QStringLiteral(" Insert File marked"));
}

// The launcher offers Tabwright for delimited text only, not for every text file.
TEST(DesktopEntryTest, ClaimsOnlyDelimitedText)
{
    QFile entry(QStringLiteral(TABWRIGHT_TESTDATA_DIR "/../../resources/tabwright.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(text.contains("MimeType=text/csv;text/tab-separated-values;"));
    EXPECT_FALSE(text.contains("text/plain"));
}

} // namespace

#include "document/DocumentState.h"

#include "ui/CSVTableView.h"
#include "ui/DocumentWindow.h"
#include "ui/DuplicateRowsBar.h"
#include "ui/DuplicateRowsSheet.h"
#include "ui/GuiTestSupport.h"

#include "document/CSVDocument.h"
#include "kit/ZRNProgressWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DuplicateRowsWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_document.setRowArrays(DocumentState::makeRows({"x,1", "y,1", "x,1", "z,2", "y,1"}));
        m_document.setNumberOfColumns(2);
        m_window = std::make_unique<DocumentWindow>(m_document);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Sends the command, picks the key column in its sheet and confirms.
    void runSheet(CommandId command, int keyItem)
    {
        m_window->sendCommand({command});
        DuplicateRowsSheet *sheet = nullptr;
        WAIT_UNTIL((sheet = m_window->findChild<DuplicateRowsSheet *>()) && sheet->isVisible());
        EXPECT_EQ(sheet->columnPopUpButton()->itemText(0), QStringLiteral("All Columns"));
        sheet->columnPopUpButton()->setCurrentIndex(keyItem);
        sheet->button(DuplicateRowsSheet::s_confirmTag)->click();
    }

    // The window as the user sees it: mode, bar, search field, what the commands offer.
    std::string shown()
    {
        const auto offered = [this](CommandId id) {
            return m_window->isCommandEnabled({id}) ? "on" : "off";
        };
        return "mode=" + std::to_string(m_document.displayMode()) +
               " bar=" + (m_window->duplicateRowsDisplayModeView()->isVisible() ? "1" : "0") +
               " search=" + (m_window->csvSearchField()->isEnabled() ? "1" : "0") +
               " remove=" + offered(CommandId::RemoveDuplicateRows) +
               " show=" + offered(CommandId::ShowDuplicateRows) +
               " addRow=" + offered(CommandId::AddNewRow) +
               " rows=" + DocumentState::visibleRows(m_document).toStdString();
    }

    int tableHeight() const { return m_window->tableView()->height(); }

    CSVDocument m_document;
    std::unique_ptr<DocumentWindow> m_window;
};

// Show, leave, show again: the bar takes its strip from the table and gives it back exactly.
TEST_F(DuplicateRowsWindowTest, ShowsTheDuplicatesUnderTheBarAndEndsTheView)
{
    const int fullHeight = tableHeight();
    runSheet(CommandId::ShowDuplicateRows, 0);
    WAIT_UNTIL(m_document.displayMode() == CSVDocument::DuplicateRowsMode &&
               m_window->duplicateRowsDisplayModeView()->isVisible());
    EXPECT_EQ(shown(), "mode=3 bar=1 search=0 remove=off show=on addRow=off rows=x,1|x,1|y,1|y,1");
    const int barHeight = m_window->duplicateRowsDisplayModeView()->height();
    WAIT_UNTIL(tableHeight() == fullHeight - barHeight);
    WAIT_UNTIL(!m_window->findChild<ZRNProgressWindow *>());

    m_window->duplicateRowsDisplayModeView()->endButton()->click();
    WAIT_UNTIL(tableHeight() == fullHeight);
    EXPECT_EQ(shown(),
              "mode=1 bar=0 search=1 remove=on show=on addRow=on rows=x,1|y,1|x,1|z,2|y,1");

    // By the second column: all but z repeat.
    runSheet(CommandId::ShowDuplicateRows, 3);
    WAIT_UNTIL(m_document.displayMode() == CSVDocument::DuplicateRowsMode);
    WAIT_UNTIL(tableHeight() == fullHeight - barHeight);
    EXPECT_EQ(shown(), "mode=3 bar=1 search=0 remove=off show=on addRow=off rows=x,1|y,1|x,1|y,1");
}

// Removing says how many rows went, and one undo brings them back.
TEST_F(DuplicateRowsWindowTest, RemovesAndTellsHowMany)
{
    runSheet(CommandId::RemoveDuplicateRows, 0);
    QMessageBox *alert = nullptr;
    WAIT_UNTIL((alert = GuiTestSupport::openAlert(m_window.get())));
    EXPECT_TRUE(alert->informativeText().startsWith(QStringLiteral("2 ")));
    EXPECT_EQ(DocumentState::withSteps(m_document),
              "x,1|y,1|z,2 cols=0:1 1:2 undo=LSUDRemoveDuplicateRows redo=");
    ASSERT_TRUE(GuiTestSupport::answerAlert(m_window.get(), 0));
    m_window->sendCommand({CommandId::Undo});
    EXPECT_EQ(DocumentState::visibleRows(m_document), QStringLiteral("x,1|y,1|x,1|z,2|y,1"));
}

} // namespace

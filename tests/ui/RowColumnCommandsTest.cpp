#include "document/DocumentState.h"

#include "ui/CSVTableColumnHeaderView.h"
#include "ui/CSVTableView.h"
#include "ui/ColumnTitlePanel.h"
#include "ui/DocumentWindow.h"
#include "ui/FillColumnsSheet.h"
#include "ui/FindReplaceSheet.h"
#include "ui/InsertColumnsSheet.h"
#include "ui/InsertRowsSheet.h"
#include "ui/MergeColumnsSheet.h"
#include "ui/RadioChoices.h"
#include "ui/SortRowsSheet.h"
#include "ui/TableCellWidthMeasure.h"
#include "ui/commands/CommandAction.h"

#include "GuiTestSupport.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVColumnWidths.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNSheetPresentation.h"

#include "support/NamedCase.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using NamedCases::PrintTo;

// Clicks near the left edge: a radio button takes clicks on its circle and its text only.
void click(QAbstractButton *button)
{
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Replaces the text of a field by typing, as a user would.
void type(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Drags the list's item at from with the mouse and drops it below the last item, as the
// platform would deliver the gesture: the offscreen platform has no drag loop of its own.
void dragToTheEnd(QListView *list, int from)
{
    QWidget *viewport = list->viewport();
    const QModelIndex dragged = list->model()->index(from, 0);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, list->visualRect(dragged).center());
    std::unique_ptr<QMimeData> data(list->model()->mimeData({dragged}));
    const QRect last = list->visualRect(list->model()->index(list->model()->rowCount() - 1, 0));
    const QPoint end(last.center().x(), last.bottom() - 1);
    QDragEnterEvent enter(end, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(end, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(end, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &drop);
}

// The dialog a command opened on the window: a child, or the attached panel, a window of its
// own.
template<typename Dialog>
Dialog *openDialog(DocumentWindow &window)
{
    Dialog *dialog = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        dialog = window.findChild<Dialog *>();
        return dialog && dialog->isVisible();
    }));
    return dialog;
}

struct DialogCase
{
    const char *name;
    CommandSender command;
    // Selects before the command.
    std::function<void(CSVDocument &)> setup;
    // Works the dialog the command opened through its widgets.
    std::function<void(DocumentWindow &)> drive;
    const char *after;
};

// A shown window on a document of three rows in three columns.
class RowColumnWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_document.setRowArrays(DocumentState::makeRows({"a0,b0,c0", "a1,b1,c1", "a2,b2,c2"}));
        m_document.setNumberOfColumns(3);
        m_window = std::make_unique<DocumentWindow>(m_document);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void TearDown() override
    {
        UserDefaults::standard().removeObject(
            QString::fromLatin1(DefaultsKeys::RowDeleteAlertSuppress));
    }

    CSVDocument m_document;
    std::unique_ptr<DocumentWindow> m_window;
};

class RowColumnDialogTest : public RowColumnWindowTest,
                            public ::testing::WithParamInterface<DialogCase>
{};

// The whole document after the dialog closed, whether the window still carries the sheet
// highlight (it must while the dialog is open, and not after), and whether the removal
// question is silenced for rows.
TEST_P(RowColumnDialogTest, DrivesTheDialogThroughItsWidgets)
{
    const DialogCase &c = GetParam();
    c.setup(m_document);
    m_window->sendCommand(c.command);
    c.drive(*m_window);
    const bool highlighted = ZRNSheetPresentation::highlightForWindow(m_window.get()) != nullptr;
    const bool silenced = UserDefaults::standard().boolForKey(
        QString::fromLatin1(DefaultsKeys::RowDeleteAlertSuppress));
    EXPECT_EQ(DocumentState::full(m_document) + (highlighted ? " highlighted" : "") +
                  (silenced ? " silenced" : ""),
              c.after);
}

const auto selectRow1 = [](CSVDocument &d) { d.selectRowIndexes({1}, false); };
const auto selectColumn1 = [](CSVDocument &d) { d.selectColumnIndexes({1}, false); };
const auto selectNothing = [](CSVDocument &) {};

INSTANTIATE_TEST_SUITE_P(
    Dialogs, RowColumnDialogTest,
    ::testing::Values(
        DialogCase{"InsertRowsBeforeTheSelection",
                   {CommandId::InsertRows},
                   selectRow1,
                   [](DocumentWindow &w) {
                       auto *sheet = openDialog<InsertRowsSheet>(w);
                       EXPECT_TRUE(ZRNSheetPresentation::highlightForWindow(&w));
                       type(sheet->countField(), QStringLiteral("2"));
                       click(sheet->placementGroup()->button(2));
                       click(sheet->button(CommandSheet::s_confirmTag));
                   },
                   "a0,b0,c0|,,|,,|a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=1 2/ "
                   "undo=LSUDInsertRows redo="},
        DialogCase{"CancelInsertRowsWithEscape",
                   {CommandId::InsertRows},
                   selectRow1,
                   [](DocumentWindow &w) {
                       auto *sheet = openDialog<InsertRowsSheet>(w);
                       type(sheet->countField(), QStringLiteral("5"));
                       QTest::keyClick(sheet, Qt::Key_Escape);
                   },
                   "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=1/ undo= redo="},
        DialogCase{"InsertColumnsAfterTheChosenColumn",
                   {CommandId::InsertColumns},
                   selectNothing,
                   [](DocumentWindow &w) {
                       auto *sheet = openDialog<InsertColumnsSheet>(w);
                       type(sheet->countField(), QStringLiteral("2"));
                       click(sheet->placementGroup()->button(3));
                       sheet->insertAtColumnsPopup()->setCurrentIndex(0);
                       click(sheet->button(CommandSheet::s_confirmTag));
                   },
                   "a0,b0,c0,,|a1,b1,c1,,|a2,b2,c2,, cols=0:1 3:4 4:5 1:2 2:3 sel=/1 2 "
                   "undo=LSUDAddColumn redo="},
        DialogCase{"RetitleThroughThePanel",
                   {CommandId::EditTitleOfSelectedColumn},
                   selectColumn1,
                   [](DocumentWindow &w) {
                       auto *panel = openDialog<ColumnTitlePanel>(w);
                       EXPECT_TRUE(ZRNSheetPresentation::highlightForWindow(&w));
                       type(panel->editHeaderTitleField(), QStringLiteral("Price"));
                       QTest::keyClick(panel->editHeaderTitleField(), Qt::Key_Return);
                   },
                   "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=0:1 1:Price 2:3 sel=/1 "
                   "undo=LSUDEditColumnTitle redo="},
        DialogCase{"FillANumberSeriesAfterTheCells",
                   {CommandId::FillSelectedColumns},
                   selectColumn1,
                   [](DocumentWindow &w) {
                       auto *sheet = openDialog<FillColumnsSheet>(w);
                       sheet->fillTabView()->setCurrentIndex(1);
                       type(sheet->fillNumberStartField(), QStringLiteral("007"));
                       click(sheet->fillNumberMatrix()->button(1));
                       click(sheet->fillNumberInsertSeparatorButton());
                       click(sheet->button(CommandSheet::s_confirmTag));
                   },
                   "a0,b0 007,c0|a1,b1 8,c1|a2,b2 9,c2 cols=0:1 1:2 2:3 sel=/1 "
                   "undo=LSUDFillColumn redo="},
        DialogCase{"SortDescendingThenByAnotherColumn",
                   {CommandId::SortRows},
                   selectNothing,
                   [](DocumentWindow &w) {
                       auto *sheet = openDialog<SortRowsSheet>(w);
                       sheet->sortByColumnPopupButton()->setCurrentIndex(1);
                       click(sheet->ascendingMatrix()->button(SortRowsSheet::s_descendingTag));
                       sheet->sortByColumnPopupButton(1)->setCurrentIndex(3);
                       click(sheet->compareNumbersButton());
                       click(sheet->button(CommandSheet::s_confirmTag));
                   },
                   "a2,b2,c2|a1,b1,c1|a0,b0,c0 cols=0:1 1:2 2:3 sel=/ "
                   "undo=LSUDSortRows redo="},
        DialogCase{"MergeInADraggedOrder",
                   {CommandId::MergeSelectedColumns},
                   [](CSVDocument &d) {
                       d.selectColumnIndexes({0, 1, 2}, false);
                   },
                   [](DocumentWindow &w) {
                       auto *sheet = openDialog<MergeColumnsSheet>(w);
                       dragToTheEnd(sheet->mergeOrderingTableView(), 0);
                       sheet->mergeDestinationColumnPopup()->setCurrentIndex(1);
                       click(sheet->mergeSeparatorMatrix()->button(2));
                       type(sheet->mergeSeparatorTextField(), QStringLiteral("+"));
                       click(sheet->mergeRemoveSourceColumnsButton());
                       click(sheet->button(CommandSheet::s_confirmTag));
                   },
                   "a0,b0+c0+a0,c0|a1,b1+c1+a1,c1|a2,b2+c2+a2,c2 cols=1:2 sel=/0 "
                   "undo=LSUDMergeColumns redo="},
        DialogCase{"ConfirmTheRowRemovalAndSilenceIt",
                   {CommandId::RemoveSelectedRows},
                   selectRow1,
                   [](DocumentWindow &w) {
                       auto *box = openDialog<QMessageBox>(w);
                       click(box->checkBox());
                       click(box->buttons().at(1)); // "LSyes"
                   },
                   "a0,b0,c0|a2,b2,c2 cols=0:1 1:2 2:3 sel=/ undo=LSUDRemoveRow redo= "
                   "silenced"},
        // The pattern is named invalid while it is one, then swaps letters in every cell.
        DialogCase{
            "ReplaceAllWithARegularExpressionThroughTheSheet",
            {CommandId::ShowSearchDialog},
            selectNothing,
            [](DocumentWindow &w) {
                auto *sheet = openDialog<FindReplaceSheet>(w);
                click(sheet->findChild<QCheckBox *>(QStringLiteral("useRegex")));
                auto *search = sheet->findChild<QLineEdit *>(QStringLiteral("searchText"));
                type(search, QStringLiteral("(a)("));
                EXPECT_TRUE(
                    sheet->findChild<QLabel *>(QStringLiteral("patternError"))->isVisibleTo(sheet));
                type(search, QStringLiteral("(a)(\\d)"));
                type(sheet->findChild<QLineEdit *>(QStringLiteral("replaceText")),
                     QStringLiteral("$2$1"));
                click(sheet->button(CSVFindReplace::ReplaceAll));
            },
            "0a,b0,c0|1a,b1,c1|2a,b2,c2 cols=0:1 1:2 2:3 sel=/ "
            "undo=LSUDDataReplaced redo="}),
    caseName);

// Every change of the text filters again, the selected row staying selected while shown.
TEST_F(RowColumnWindowTest, TypingIntoTheSearchFieldFiltersTheRows)
{
    m_document.selectRowIndexes({1}, false);
    QLineEdit *field = m_window->csvSearchField();
    QTest::keyClicks(field, QStringLiteral("B1"));
    WAIT_UNTIL(m_window->statusLabelField()->text().contains(QStringLiteral("1 of 3")));
    QTest::keyClick(field, Qt::Key_Backspace);
    WAIT_UNTIL(m_document.displayRowArrays().size() == 3);
    EXPECT_EQ(DocumentState::full(m_document),
              "a0,b0,c0|a1,b1,c1|a2,b2,c2 filtered=a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 "
              "sel=1/ undo= redo=");
}

TEST_F(RowColumnWindowTest, SilencedRemovalRunsWithoutAQuestion)
{
    UserDefaults::standard().setObject(QString::fromLatin1(DefaultsKeys::RowDeleteAlertSuppress),
                                       true);
    m_document.selectRowIndexes({0, 2}, false);
    m_window->sendCommand({CommandId::RemoveSelectedRows});
    EXPECT_EQ(DocumentState::table(m_document) +
                  (m_window->findChild<QMessageBox *>() ? " asked" : ""),
              "a1,b1,c1 cols=0:1 1:2 2:3");
}

// While the panel is open nothing is offered, the header's menu stays shut and a second panel
// does not open over the first.
TEST_F(RowColumnWindowTest, TitlePanelBlocksCommandsWhileOpen)
{
    const auto offered = [this](CommandId id) {
        m_window->validateUserInterfaceItems();
        return m_window->menuAction(id)->isEnabled() ? "offered" : "blocked";
    };
    m_window->sendCommand({CommandId::ShowTitleEditWindowForTableColumn, 2});
    auto *panel = openDialog<ColumnTitlePanel>(*m_window);
    ASSERT_TRUE(panel);
    const std::string whileOpen = offered(CommandId::AddNewRow);
    m_window->sendCommand({CommandId::ShowTitleEditWindowForTableColumn, 0});
    const qsizetype panels = m_window->findChildren<ColumnTitlePanel *>().size();
    click(panel->button(CommandSheet::s_cancelTag));
    EXPECT_EQ(whileOpen + " " + std::to_string(panels) + " " + offered(CommandId::AddNewRow),
              "blocked 1 offered");
}

// Fitted columns show every value and title whole: each text fits the room the style leaves it
// in its cell, and each title fits beside the header's arrow.
TEST_F(RowColumnWindowTest, FittedColumnsShowValuesAndTitlesWhole)
{
    m_document.setStringValue(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWW"), m_document.rowArrays()[0],
                              0);
    m_document.tableColumnSetTitle(m_document.tableColumns().at(1),
                                   QStringLiteral("A rather long column title"));
    CSVTableView *table = m_window->tableView();
    CSVColumnWidths::fitAllColumns(m_document, TableCellWidthMeasure(table));
    table->synchronize();
    const auto *header = m_window->columnHeaderView();
    const int margin =
        table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    QStringList cut;
    for (int column = 0; column < 3; ++column) {
        const QString title = m_document.tableColumns().at(column).title();
        if (header->sectionSize(column) <
            header->fontMetrics().horizontalAdvance(title) + header->arrowSpace())
            cut << title;
        for (int row = 0; row < 3; ++row) {
            QStyleOptionViewItem option;
            option.initFrom(table->viewport());
            option.font = table->font();
            option.features = QStyleOptionViewItem::HasDisplay;
            option.rect = table->visualRect(table->model()->index(row, column));
            option.text = table->model()->index(row, column).data().toString();
            const QRect text =
                table->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, table);
            if (QFontMetrics(option.font).horizontalAdvance(option.text) >
                text.width() - 2 * margin)
                cut << option.text;
        }
    }
    EXPECT_EQ(cut, QStringList());
}

// The estimate that spares most exact measures must never be below the exact width, or fitting
// would cut off the widest cell.
TEST(TableCellWidthMeasureTest, EstimateIsNeverBelowTheWidthTheTableDraws)
{
    CSVDocument document;
    CSVTableView table(document);
    const TableCellWidthMeasure measure(&table);
    QStringList below;
    const QStringList texts =
        QStringLiteral("AVAVAV To Wa|日本語テキスト|عربية|e\u0301e\u0301|👍🏽 "
                       "ok|\tTab|two\nlines|")
            .split(u'|');
    for (const QString &text : texts) {
        const QByteArray latin1 = text.toLatin1();
        if (measure.upperBound(text) < measure.width(text) ||
            measure.upperBound(QLatin1StringView(latin1)) <
                measure.width(QLatin1StringView(latin1)))
            below << text;
    }
    EXPECT_EQ(below, QStringList());
}

} // namespace

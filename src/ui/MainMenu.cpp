#include "MainMenu.h"

#include "ColumnContextMenu.h"
#include "CommandAction.h"
#include "CommandMenuFiller.h"
#include "DocumentWindow.h"
#include "ReopenEncodingMenu.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>

namespace {

using MenuFiller = CommandMenuFiller;

void fillRecentDocuments(const MenuFiller &recent)
{
    recent.menu()->clear();
    const QStringList paths = UserDefaults::standard()
                                  .object(QLatin1String(DefaultsKeys::RecentDocuments))
                                  .toStringList();
    for (const QString &path : paths)
        recent.add(QFileInfo(path).fileName(), {QStringLiteral("openRecentDocument"), 0, path})
            ->setToolTip(path);
    recent.separator();
    recent.item("LSMenuClearRecent", "clearRecentDocuments");
}

void buildFileMenu(const MenuFiller &file)
{
    file.item("LSMenuNew", "newDocument", QKeySequence::New);
    file.item("LSMenuOpen", "openDocument", QKeySequence::Open);
    const MenuFiller recent = file.submenu("LSMenuOpenRecent");
    QObject::connect(recent.menu(), &QMenu::aboutToShow, recent.menu(),
                     [recent] { fillRecentDocuments(recent); });
    fillRecentDocuments(recent);
    file.separator();
    file.item("LSMenuClose", "performClose", QKeySequence::Close);
    file.item("LSMenuSave", "saveDocument", QKeySequence::Save);
    file.item("LSMenuSaveAs", "saveDocumentAs", QKeySequence::SaveAs);
    file.item("LSMenuRevert", "revertDocumentToSaved");
    const MenuFiller reopen = file.submenu("LSMenuReopenWithEncoding");
    for (const ReopenEncodingMenu::Entry &entry : ReopenEncodingMenu::entries())
        reopen.add(entry.title, {QStringLiteral("reopenWithEncoding"), qint64(entry.encoding)});
    file.separator();
    file.item("LSMenuInsertFile", "insertDocument");
    file.item("LSMenuNewFromSelection", "newDocumentFromSelection");
    file.item("LSMenuNewFromClipboard", "newDocumentFromPasteboard");
    file.separator();
    file.item("LSMenuQuit", "terminate", QKeySequence::Quit);
}

void buildEditMenu(const MenuFiller &edit)
{
    edit.item("LSMenuUndo", "undo", QKeySequence::Undo);
    edit.item("LSMenuRedo", "redo", QKeySequence::Redo);
    edit.separator();
    edit.item("LSMenuCut", "cut", QKeySequence::Cut);
    edit.item("LSMenuCopy", "copy", QKeySequence::Copy);
    edit.item("LSMenuPaste", "paste", QKeySequence::Paste);
    edit.separator();
    edit.item("LSMenuSelectAll", "selectAll", QKeySequence::SelectAll);
    edit.item("LSMenuInvertSelection", "invertSelection");
    edit.item("LSMenuDeselectAll", "deselectAll", QKeySequence::Deselect);
    edit.separator();
    edit.item("LSMenuFind", "showSearchDialog", QKeySequence::Find);
    edit.item("LSMenuFindNext", "findNextAction", QKeySequence::FindNext);
    edit.item("LSMenuReplace", "replaceAction");
    edit.item("LSMenuReplaceAndFindNext", "replaceAndFindNextAction");
    edit.separator();
    edit.item("LSMenuPreferences", "showPreferences", QKeySequence::Preferences);
}

void buildTableMenu(const MenuFiller &table)
{
    table.item("LSMenuAddRow", "addNewRow");
    table.item("LSMenuInsertRows", "insertRows");
    table.item("LSMenuRemoveRows", "removeSelectedRows");
    table.item("LSMenuSelectedRowIsHeader", "selectedRowIsHeader");
    table.separator();
    table.item("LSMenuAddColumn", "addNewColumn");
    table.item("LSMenuInsertColumns", "insertColumns");
    table.item("LSMenuRemoveColumns", "removeSelectedColumns");
    table.item("LSMenuEditColumnTitle", "editTitleOfSelectedColumn");
    ColumnContextMenu::addAlignmentItems(table.submenu("LSCTMAlignment"));
    table.separator();
    const MenuFiller convert = table.submenu("LSCTMConvertTo");
    ColumnContextMenu::addConversionItems(convert, "convertColumnContent");
    convert.separator();
    convert.item("LSCTMEmpty", "convertColumnContent", {}, 99);
    table.item("LSMenuFillColumns", "fillSelectedColumns");
    table.item("LSMenuMergeColumns", "mergeSelectedColumns");
    table.separator();
    table.item("LSMenuSortRows", "sortRows");
    const MenuFiller shift = table.submenu("LSMenuShiftContent");
    shift.item("LSMenuLeft", "shiftContent", {}, 0);
    shift.item("LSMenuRight", "shiftContent", {}, 1);
    const MenuFiller rotate = table.submenu("LSMenuRotateContent");
    rotate.item("LSMenuLeft", "rotateContent", {}, 0);
    rotate.item("LSMenuRight", "rotateContent", {}, 1);
    table.separator();
    table.item("LSMenuShowDuplicateRows", "showDuplicateRows");
    table.item("LSMenuRemoveDuplicateRows", "removeDuplicateRows");
}

void buildViewMenu(const MenuFiller &view)
{
    view.item("LSMenuShowFonts", "orderFrontFontPanel", QKeySequence(Qt::CTRL | Qt::Key_T));
    view.separator();
    view.item("LSMenuAdjustSelectedWidths", "adjustWidthForSelectedTableColumns");
    view.item("LSMenuAdjustAllWidths", "adjustWidthForAllTableColumns");
}

// The open document windows, the active one ticked.
void fillWindowMenu(QMenu *menu, const MainMenu::Trigger &trigger)
{
    menu->clear();
    MenuFiller(menu, trigger)
        .item("LSMenuMinimize", "performMiniaturize", QKeySequence(Qt::CTRL | Qt::Key_M));
    menu->addSeparator();
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        auto *window = qobject_cast<DocumentWindow *>(widget);
        if (!window || !window->isVisible())
            continue;
        QAction *action = menu->addAction(window->displayName());
        action->setCheckable(true);
        action->setChecked(window->isActiveWindow());
        QObject::connect(action, &QAction::triggered, window, [window] {
            window->showNormal();
            window->raise();
            window->activateWindow();
        });
    }
}

} // namespace

void MainMenu::build(QMenuBar *menuBar, const Trigger &trigger)
{
    buildFileMenu({menuBar->addMenu(localized("LSMenuFile")), trigger});
    buildEditMenu({menuBar->addMenu(localized("LSMenuEdit")), trigger});
    buildTableMenu({menuBar->addMenu(localized("LSMenuTable")), trigger});
    buildViewMenu({menuBar->addMenu(localized("LSMenuView")), trigger});
    QMenu *window = menuBar->addMenu(localized("LSMenuWindow"));
    QObject::connect(window, &QMenu::aboutToShow, window,
                     [window, trigger] { fillWindowMenu(window, trigger); });
    fillWindowMenu(window, trigger);
    const MenuFiller help{menuBar->addMenu(localized("LSMenuHelp")), trigger};
    help.item("LSMenuSendFeedback", "showSendFeedbackDialog");
    help.item("LSMenuAbout", "showAboutBox");
}

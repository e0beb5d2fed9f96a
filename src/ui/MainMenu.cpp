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

// The platform's keys for a standard command, and the key every desktop knows it by where the
// platform lacks that one: a bare X session has no key for Save As, and only F3 for Find Next.
MenuFiller::Shortcuts keys(QKeySequence::StandardKey command, QKeyCombination expected)
{
    MenuFiller::Shortcuts shortcuts = QKeySequence::keyBindings(command);
    if (!shortcuts.contains(QKeySequence(expected)))
        shortcuts.append(QKeySequence(expected));
    return shortcuts;
}

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
    file.item("LSMenuNew", "newDocument", keys(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    file.item("LSMenuOpen", "openDocument", keys(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    const MenuFiller recent = file.submenu("LSMenuOpenRecent");
    QObject::connect(recent.menu(), &QMenu::aboutToShow, recent.menu(),
                     [recent] { fillRecentDocuments(recent); });
    fillRecentDocuments(recent);
    file.separator();
    file.item("LSMenuClose", "performClose", keys(QKeySequence::Close, Qt::CTRL | Qt::Key_W));
    file.item("LSMenuSave", "saveDocument", keys(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    file.item("LSMenuSaveAs", "saveDocumentAs",
              keys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file.item("LSMenuRevert", "revertDocumentToSaved");
    const MenuFiller reopen = file.submenu("LSMenuReopenWithEncoding");
    for (const ReopenEncodingMenu::Entry &entry : ReopenEncodingMenu::entries())
        reopen.add(entry.title, {QStringLiteral("reopenWithEncoding"), qint64(entry.encoding)});
    file.separator();
    file.item("LSMenuInsertFile", "insertDocument");
    file.item("LSMenuNewFromSelection", "newDocumentFromSelection");
    file.item("LSMenuNewFromClipboard", "newDocumentFromPasteboard");
    file.separator();
    file.item("LSMenuQuit", "terminate", keys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
}

void buildEditMenu(const MenuFiller &edit)
{
    edit.item("LSMenuUndo", "undo", keys(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z));
    edit.item("LSMenuRedo", "redo", keys(QKeySequence::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit.separator();
    edit.item("LSMenuCut", "cut", keys(QKeySequence::Cut, Qt::CTRL | Qt::Key_X));
    edit.item("LSMenuCopy", "copy", keys(QKeySequence::Copy, Qt::CTRL | Qt::Key_C));
    edit.item("LSMenuPaste", "paste", keys(QKeySequence::Paste, Qt::CTRL | Qt::Key_V));
    edit.separator();
    edit.item("LSMenuSelectAll", "selectAll", keys(QKeySequence::SelectAll, Qt::CTRL | Qt::Key_A));
    edit.item("LSMenuInvertSelection", "invertSelection");
    edit.item("LSMenuDeselectAll", "deselectAll",
              QKeySequence::keyBindings(QKeySequence::Deselect));
    edit.separator();
    edit.item("LSMenuFind", "showSearchDialog", keys(QKeySequence::Find, Qt::CTRL | Qt::Key_F));
    edit.item("LSMenuFindNext", "findNextAction",
              keys(QKeySequence::FindNext, Qt::CTRL | Qt::Key_G));
    edit.item("LSMenuReplace", "replaceAction");
    edit.item("LSMenuReplaceAndFindNext", "replaceAndFindNextAction");
    edit.separator();
    edit.item("LSMenuPreferences", "showPreferences",
              QKeySequence::keyBindings(QKeySequence::Preferences));
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
    view.item("LSMenuShowFonts", "orderFrontFontPanel", {Qt::CTRL | Qt::Key_T});
    view.separator();
    view.item("LSMenuAdjustSelectedWidths", "adjustWidthForSelectedTableColumns");
    view.item("LSMenuAdjustAllWidths", "adjustWidthForAllTableColumns");
}

// The open document windows, the active one ticked.
void fillWindowMenu(QMenu *menu, const MainMenu::Trigger &trigger)
{
    menu->clear();
    MenuFiller(menu, trigger).item("LSMenuMinimize", "performMiniaturize", {Qt::CTRL | Qt::Key_M});
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

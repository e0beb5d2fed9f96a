#include "MainMenu.h"

#include "ColumnContextMenu.h"
#include "DocumentWindow.h"
#include "ReopenEncodingMenu.h"
#include "RowContextMenu.h"
#include "commands/CommandAction.h"

#include "feedback/ZRNFeedbackProvider.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>

namespace {

using MenuFiller = CommandMenuFiller;
using Id = CommandId;

void fillRecentDocuments(const MenuFiller &recent)
{
    recent.menu()->clear();
    const QStringList paths = UserDefaults::standard()
                                  .object(QLatin1String(DefaultsKeys::RecentDocuments))
                                  .toStringList();
    for (const QString &path : paths)
        recent.add({Id::OpenRecentDocument, path}, QFileInfo(path).fileName())->setToolTip(path);
    recent.separator();
    recent.add(Id::ClearRecentDocuments);
}

void buildFileMenu(const MenuFiller &file)
{
    file.add(Id::NewDocument);
    file.add(Id::OpenDocument);
    const MenuFiller recent = file.submenu("LSMenuOpenRecent");
    QObject::connect(recent.menu(), &QMenu::aboutToShow, recent.menu(),
                     [recent] { fillRecentDocuments(recent); });
    fillRecentDocuments(recent);
    file.separator();
    file.add(Id::PerformClose);
    file.add(Id::SaveDocument);
    file.add(Id::SaveDocumentAs);
    file.add(Id::RevertDocumentToSaved);
    const MenuFiller reopen = file.submenu("LSMenuReopenWithEncoding");
    for (const ReopenEncodingMenu::Entry &entry : ReopenEncodingMenu::entries())
        reopen.add({Id::ReopenWithEncoding, qint64(entry.encoding)}, entry.title);
    file.separator();
    file.add(Id::InsertDocument);
    file.add(Id::NewDocumentFromSelection);
    file.add(Id::NewDocumentFromPasteboard);
    file.separator();
    file.add(Id::Terminate);
}

void buildEditMenu(const MenuFiller &edit)
{
    edit.add(Id::Undo);
    edit.add(Id::Redo);
    edit.separator();
    RowContextMenu::addClipboardItems(edit);
    edit.add(Id::EmptySelectedCells);
    edit.separator();
    edit.add(Id::SelectAll);
    edit.add(Id::InvertSelection);
    edit.add(Id::DeselectAll);
    edit.separator();
    edit.add(Id::ShowSearchDialog);
    edit.add(Id::FindNextAction);
    edit.add(Id::ReplaceAction);
    edit.add(Id::ReplaceAndFindNextAction);
    edit.separator();
    edit.add(Id::ShowPreferences);
}

void buildTableMenu(const MenuFiller &table)
{
    table.add(Id::AddNewRow);
    table.add(Id::InsertRows);
    table.add(Id::RemoveSelectedRows);
    table.add(Id::SelectedRowIsHeader);
    table.separator();
    table.add(Id::AddNewColumn);
    table.add(Id::InsertColumns);
    table.add(Id::RemoveSelectedColumns);
    table.add(Id::EditTitleOfSelectedColumn);
    ColumnContextMenu::addAlignmentItems(table.submenu("LSCTMAlignment"));
    table.separator();
    const MenuFiller convert = table.submenu("LSCTMConvertTo");
    ColumnContextMenu::addConversionItems(convert);
    convert.separator();
    convert.add(Id::EmptyColumnContent);
    table.add(Id::FillSelectedColumns);
    table.add(Id::MergeSelectedColumns);
    table.separator();
    table.add(Id::SortRows);
    const MenuFiller shift = table.submenu("LSMenuShiftContent");
    shift.add(Id::ShiftContentLeft);
    shift.add(Id::ShiftContentRight);
    const MenuFiller rotate = table.submenu("LSMenuRotateContent");
    rotate.add(Id::RotateContentLeft);
    rotate.add(Id::RotateContentRight);
    table.separator();
    table.add(Id::ShowDuplicateRows);
    table.add(Id::RemoveDuplicateRows);
}

void buildViewMenu(const MenuFiller &view)
{
    view.add(Id::OrderFrontFontPanel);
    view.separator();
    view.add(Id::AdjustWidthForSelectedTableColumns);
    view.add(Id::AdjustWidthForAllTableColumns);
}

// The open document windows, the active one ticked.
void fillWindowMenu(QMenu *menu, const MainMenu::Trigger &trigger)
{
    menu->clear();
    MenuFiller(menu, trigger).add(Id::PerformMiniaturize);
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
    // Without an endpoint built in, feedback cannot go anywhere: the command is not offered.
    if (ZRNFeedbackProvider().isAvailable())
        help.add(Id::ShowSendFeedbackDialog);
    help.add(Id::ShowAboutBox);
}

#include "AppFixture.h"

#include "app/DocumentController.h"
#include "ui/DocumentWindow.h"

#include "support/QtPrinters.h"

#include <QLocale>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

using GermanDesktopTest = AppFixture;

// Started under LANG=de_DE.UTF-8 (by its own CTest entry), the program speaks German.
TEST_F(GermanDesktopTest, MenusAndTitlesAreGerman)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::German) << "run with LANG=de_DE.UTF-8";
    m_app->launch({});
    const DocumentWindow *window = documents().currentWindow();
    QStringList menus;
    for (const QAction *menu : window->menuBar()->actions())
        menus.append(menu->text());
    EXPECT_EQ(menus, (QStringList{u"&Datei"_qs, u"&Bearbeiten"_qs, u"&Tabelle"_qs, u"&Ansicht"_qs,
                                  u"&Fenster"_qs, u"&Hilfe"_qs}));
    EXPECT_EQ(titles(), QStringList{u"Unbenannt[*]"_qs});
}

} // namespace

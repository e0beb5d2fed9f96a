#include "csv/StringEncodingTable.h"
#include "csv/ZRNEncodingManager.h"
#include "kit/ZRNEncodingPopUpButton.h"
#include "kit/ZRNSelectEncodingsPanel.h"
#include "ui/GuiTestSupport.h"

#include "support/QtPrinters.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace StringEncodings;

ZRNEncodingManager &manager()
{
    return ZRNEncodingManager::sharedInstance();
}

// The pop-up's items in one line, the chosen one in brackets.
QString flatten(const ZRNEncodingPopUpButton &popup)
{
    QStringList items;
    for (int i = 0; i < popup.count(); ++i) {
        const QString text = popup.itemText(i).isEmpty() ? u"---"_qs : popup.itemText(i);
        items.append(i == popup.currentIndex() ? u"["_qs + text + u"]"_qs : text);
    }
    return items.join(u" | "_qs);
}

QString names(const QList<StringEncoding> &encodings)
{
    QStringList names;
    for (const StringEncoding encoding : encodings)
        names.append(StringEncodingTable::displayName(encoding));
    return names.join(u" | "_qs);
}

// Clicks as the window system would, so that a window blocked by a modal dialog ignores it.
void click(ZRNSelectEncodingsPanel *panel, const char *buttonName)
{
    const auto *button = panel->findChild<QPushButton *>(QLatin1String(buttonName));
    QTest::mouseClick(panel->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(panel, button->rect().center()));
}

class ZRNEncodingWidgetsTest : public ::testing::Test
{
protected:
    void SetUp() override { manager().revertToDefault(); }
    void TearDown() override
    {
        delete ZRNSelectEncodingsPanel::panel();
        manager().revertToDefault();
    }
};

const QString Utf8 = u"Unicode (UTF-8)"_qs;
const QString Latin1 = u"Western (Windows Latin 1)"_qs;
const QString Gb18030 = u"Simplified Chinese (GB 18030)"_qs;
const QString Koi8 = u"Cyrillic (KOI8-R)"_qs;
const QString Customize = u"Customize Encodings List…"_qs;

TEST_F(ZRNEncodingWidgetsTest, ListEditsReachEveryPopUpAndKeepItsChoice)
{
    manager().encodingListChanged({UTF8, WindowsCP1252});
    ZRNEncodingPopUpButton chosenByUser, notEnabled, automatic;
    chosenByUser.setEncoding(WindowsCP1252, false);
    notEnabled.setEncoding(KOI8R, false);
    automatic.setEncoding(Invalid, true);
    chosenByUser.setCurrentIndex(0);

    // The user ticks one more encoding in the panel.
    ZRNSelectEncodingsPanel *panel = ZRNSelectEncodingsPanel::showPanel(nullptr);
    auto *list = panel->findChild<QListWidget *>(u"encodingList"_qs);
    list->findItems(Gb18030, Qt::MatchExactly).constFirst()->setCheckState(Qt::Checked);

    const QString enabled = Utf8 + u" | "_qs + Latin1 + u" | "_qs + Gb18030;
    EXPECT_EQ(flatten(chosenByUser), u"["_qs + Utf8 + u"] | "_qs + Latin1 + u" | "_qs + Gb18030 +
                                         u" | --- | "_qs + Customize);
    EXPECT_EQ(flatten(notEnabled), enabled + u" | ["_qs + Koi8 + u"] | --- | "_qs + Customize);
    EXPECT_EQ(flatten(automatic), u"[Automatic] | "_qs + enabled + u" | --- | "_qs + Customize);
    // The encoding shown by one pop-up only is not added to the user's list.
    EXPECT_EQ(names(ZRNEncodingManager().enabledEncodings()), enabled);
}

TEST_F(ZRNEncodingWidgetsTest, PanelWorksWhileAModalDialogRuns)
{
    // The panel was first opened from a document window; then a modal dialog runs.
    QWidget documentWindow;
    documentWindow.show();
    ZRNSelectEncodingsPanel::showPanel(&documentWindow);

    QDialog dialog;
    auto *popup = new ZRNEncodingPopUpButton(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(popup);
    popup->setEncoding(UTF8, false);

    QStringList log;
    QTimer::singleShot(0, &dialog, [&] {
        // Blocked by the dialog where it stands...
        click(ZRNSelectEncodingsPanel::panel(), "clearAllButton");
        log.append(names(manager().enabledEncodings()));
        // ...but opened from the dialog's pop-up, it works, and the customise item is not left
        // chosen.
        popup->setCurrentIndex(popup->count() - 1);
        const bool opened = QTest::qWaitFor([&dialog] {
            return ZRNSelectEncodingsPanel::panel()->parentWidget() == &dialog &&
                   ZRNSelectEncodingsPanel::panel()->isVisible();
        });
        log.append(opened ? u"opened"_qs : u"not opened"_qs);
        click(ZRNSelectEncodingsPanel::panel(), "clearAllButton");
        log.append(names(manager().enabledEncodings()));
        log.append(flatten(*popup));
        dialog.accept();
    });
    dialog.exec();

    EXPECT_EQ(log.join(u" / "_qs), names(ZRNEncodingManager::defaultEncodings()) +
                                       u" / opened /  / ["_qs + Utf8 + u"] | --- | "_qs +
                                       Customize);
}

} // namespace

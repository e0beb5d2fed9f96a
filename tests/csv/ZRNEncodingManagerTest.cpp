#include "csv/ZRNEncodingManager.h"
#include "csv/StringEncodingTable.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

using namespace StringEncodings;
using Manager = ZRNEncodingManager;

QString names(const QList<StringEncoding> &encodings)
{
    QStringList names;
    for (const StringEncoding encoding : encodings)
        names.append(StringEncodingTable::displayName(encoding));
    return names.join(u" | "_qs);
}

class ZRNEncodingManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { UserDefaults::standard().removeObject(DefaultsKeys::Encodings); }
    void TearDown() override { UserDefaults::standard().removeObject(DefaultsKeys::Encodings); }
};

TEST_F(ZRNEncodingManagerTest, TableOffersEachEncodingOnceInMenuOrder)
{
    const QList<StringEncoding> &all = Manager::allAvailableStringEncodings();
    EXPECT_EQ(all.size(), qsizetype(StringEncodingTable::entries().size()))
        << "an encoding of the table cannot be converted on this machine";
    EXPECT_EQ(QSet<StringEncoding>(all.begin(), all.end()).size(), all.size());

    // Unicode first, then every script group in one run, in ascending order.
    quint32 previous = StringEncodingTable::UnicodeScript;
    for (const StringEncoding encoding : all) {
        const quint32 group = StringEncodingTable::find(encoding)->scriptGroup;
        const bool inOrder =
            group == previous ||
            (previous == StringEncodingTable::UnicodeScript ? group != previous : group > previous);
        EXPECT_TRUE(inOrder) << StringEncodingTable::find(encoding)->ianaName;
        previous = group;
    }
}

TEST_F(ZRNEncodingManagerTest, CharsetNamesLeadToTheirEncodingsAndBack)
{
    for (const StringEncoding encoding : Manager::allAvailableStringEncodings()) {
        const QString name = Manager::MIMEEncodingForStringEncoding(encoding);
        EXPECT_EQ(Manager::stringEncodingForMIMEEncoding(name), encoding) << name.toStdString();
    }
    const QList<QPair<QString, StringEncoding>> aliases = {
        {u"UTF8"_qs, UTF8},
        {u"CP1252"_qs, WindowsCP1252},
        {u"x-mac-roman"_qs, MacRoman},
        {u"no such charset"_qs, 0},
    };
    for (const auto &[name, encoding] : aliases)
        EXPECT_EQ(Manager::stringEncodingForMIMEEncoding(name), encoding) << name.toStdString();
}

TEST_F(ZRNEncodingManagerTest, StoredListSkipsWhatCannotBeConverted)
{
    UserDefaults::standard().setObject(DefaultsKeys::Encodings,
                                       QVariantList{12u, 0x80000001u, 4u, 12u, u"junk"_qs});
    EXPECT_EQ(names(Manager().enabledEncodings()), names({WindowsCP1252, UTF8}));
}

// Records what the panel actions do: the list, what is stored, the signals and notifications.
class ActionLog : public QObject
{
public:
    explicit ActionLog(Manager &manager)
    {
        connect(&manager, &Manager::checkBoxesNeedUpdate, this,
                [this] { m_events.append(u"tick boxes"_qs); });
        NotificationCenter::defaultCenter().addObserver(
            this, QString::fromLatin1(Manager::EncodingsListChangedNotification),
            [this](const Notification &) { m_events.append(u"notified"_qs); });
    }

    // One line: the enabled list as a restarted application sees it, the events in order.
    QString take()
    {
        const QString stored = UserDefaults::standard().hasStoredValue(DefaultsKeys::Encodings)
                                   ? u"stored"_qs
                                   : u"not stored"_qs;
        const QString line = names(Manager().enabledEncodings()) + u" / "_qs + stored + u" / "_qs +
                             m_events.join(u", "_qs);
        m_events.clear();
        return line;
    }

private:
    QStringList m_events;
};

TEST_F(ZRNEncodingManagerTest, PanelActionsStoreTheListAndTellEveryone)
{
    Manager manager;
    ActionLog log(manager);

    // Ticked boxes come back in panel order, the order of all encodings.
    manager.encodingListChanged({GB18030, UTF8, WindowsCP1252});
    EXPECT_EQ(log.take(), names({UTF8, WindowsCP1252, GB18030}) + u" / stored / notified"_qs);

    manager.clearAll();
    EXPECT_EQ(log.take(), u" / stored / tick boxes, notified"_qs);

    manager.selectAll();
    EXPECT_EQ(log.take(), names(Manager::allAvailableStringEncodings()) +
                              u" / stored / tick boxes, notified"_qs);

    manager.revertToDefault();
    EXPECT_EQ(log.take(),
              names(Manager::defaultEncodings()) + u" / not stored / tick boxes, notified"_qs);
    EXPECT_EQ(manager.enabledEncodings(), Manager::defaultEncodings());
}

QString flatten(const Manager::Menu &menu)
{
    QStringList items;
    for (qsizetype i = 0; i < menu.items.size(); ++i) {
        const Manager::MenuItem &item = menu.items[i];
        QString text = item.kind == Manager::MenuItem::Separator ? u"---"_qs : item.title;
        if (item.kind != Manager::MenuItem::Encoding && item.tag != Invalid)
            text += u" (tagged)"_qs;
        items.append(i == menu.selectedIndex ? u"["_qs + text + u"]"_qs : text);
    }
    return items.join(u" | "_qs);
}

struct MenuCase
{
    const char *name;
    QList<StringEncoding> enabled;
    StringEncoding selected;
    bool withDefaultEntry;
    QString expected;
};

class ZRNEncodingManagerMenuTest : public ::testing::TestWithParam<MenuCase>
{
protected:
    void TearDown() override { UserDefaults::standard().removeObject(DefaultsKeys::Encodings); }
};

TEST_P(ZRNEncodingManagerMenuTest, ShowsTheEnabledListAndTheChoice)
{
    Manager manager;
    manager.encodingListChanged(GetParam().enabled);
    EXPECT_EQ(flatten(manager.popUpMenu(GetParam().selected, GetParam().withDefaultEntry)),
              GetParam().expected);
    // Whatever a pop-up shows, the enabled list stays as the user left it.
    EXPECT_EQ(manager.enabledEncodings(), GetParam().enabled);
}

const QString Utf8 = u"Unicode (UTF-8)"_qs;
const QString Latin1 = u"Western (Windows Latin 1)"_qs;
const QString Koi8 = u"Cyrillic (KOI8-R)"_qs;
const QString Customize = u"Customize Encodings List…"_qs;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ZRNEncodingManagerMenuTest, ::testing::Values(
    MenuCase{"EnabledEncodingSelected", {UTF8, WindowsCP1252}, WindowsCP1252, false,
             Utf8 + u" | ["_qs + Latin1 + u"] | --- | "_qs + Customize},
    MenuCase{"OtherEncodingAddedAtTheEnd", {UTF8, WindowsCP1252}, KOI8R, false,
             Utf8 + u" | "_qs + Latin1 + u" | ["_qs + Koi8 + u"] | --- | "_qs + Customize},
    MenuCase{"NoParticularEncodingSelectsTheFirst", {UTF8, WindowsCP1252}, Invalid, false,
             u"["_qs + Utf8 + u"] | "_qs + Latin1 + u" | --- | "_qs + Customize},
    MenuCase{"AutomaticWhenTheEncodingIsNotEnabled", {UTF8}, KOI8R, true,
             u"[Automatic] | "_qs + Utf8 + u" | --- | "_qs + Customize},
    MenuCase{"UnconvertibleEncodingIsNotShown", {UTF8}, 0x80000001, false,
             u"["_qs + Utf8 + u"] | --- | "_qs + Customize},
    MenuCase{"EmptyListLeavesOnlyTheCustomizeItem", {}, Invalid, false, Customize}
), caseName);
// clang-format on

} // namespace

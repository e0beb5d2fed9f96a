#include "foundation/UserDefaults.h"

#include "support/QtPrinters.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

class UserDefaultsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (const char *key : {"TestBool", "TestInteger", "TestList", "TestEmptyList"})
            m_defaults.removeObject(QString::fromLatin1(key));
        m_defaults.synchronize();
    }

    // A second store on the same file sees only what reached the disk.
    static QSettings reopenedStore()
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tabwright"),
                         QStringLiteral("Tabwright"));
    }

    UserDefaults &m_defaults = UserDefaults::standard();
};

TEST_F(UserDefaultsTest, FactoryValuesAreReadButNeverWritten)
{
    m_defaults.registerDefaults({{"TestBool", true}, {"TestInteger", 42}});
    EXPECT_TRUE(m_defaults.boolForKey(QStringLiteral("TestBool")));
    EXPECT_EQ(m_defaults.integerForKey(QStringLiteral("TestInteger")), 42);
    EXPECT_FALSE(m_defaults.hasStoredValue(QStringLiteral("TestBool")));

    m_defaults.setObject(QStringLiteral("TestBool"), false);
    m_defaults.synchronize();
    EXPECT_FALSE(m_defaults.boolForKey(QStringLiteral("TestBool")));
    EXPECT_TRUE(reopenedStore().contains(QStringLiteral("TestBool")));
    EXPECT_FALSE(reopenedStore().contains(QStringLiteral("TestInteger")));

    m_defaults.removeObject(QStringLiteral("TestBool"));
    EXPECT_TRUE(m_defaults.boolForKey(QStringLiteral("TestBool")));
}

TEST_F(UserDefaultsTest, StoredValuesKeepTheirMeaningThroughTheFile)
{
    m_defaults.setObject(QStringLiteral("TestBool"), false);
    m_defaults.setObject(QStringLiteral("TestInteger"), Q_UINT64_C(0x8C000100));
    m_defaults.setObject(QStringLiteral("TestList"), QVariantList{4, 10, 0x80000A01u});
    m_defaults.setObject(QStringLiteral("TestEmptyList"), QVariantList{});
    m_defaults.synchronize();

    QSettings store = reopenedStore();
    EXPECT_EQ(store.value(QStringLiteral("TestInteger")).toULongLong(), 0x8C000100u);
    EXPECT_EQ(store.value(QStringLiteral("TestBool")).toString(), QStringLiteral("false"));
    QVariantList list;
    for (const QString &item : store.value(QStringLiteral("TestList")).toStringList())
        list << item.toULongLong();
    EXPECT_EQ(list, (QVariantList{4ull, 10ull, 0x80000A01ull}));
    EXPECT_TRUE(store.contains(QStringLiteral("TestEmptyList")));
    EXPECT_TRUE(m_defaults.arrayForKey(QStringLiteral("TestEmptyList")).isEmpty());
}

} // namespace

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Settings go to a scratch store, never to the user's own, and one of each test process's
    // own: ctest runs the tests side by side, and one test's settings must not reach another.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("TabwrightTests"));
    QCoreApplication::setApplicationName(QStringLiteral("TabwrightTests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

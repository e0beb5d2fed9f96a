#include <QCoreApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Settings go to a scratch store, never to the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("TabwrightTests"));
    QCoreApplication::setApplicationName(QStringLiteral("TabwrightTests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

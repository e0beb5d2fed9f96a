#include "ProcessEnvironment.h"

#include "feedback/ZRNCrashReporter.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The real program crashes (a test-only trigger makes a bad memory access after the launch):
// the report names the signal, the version and the functions of the backtrace, the program
// still dies of the signal, and the next launch check offers the report once.
TEST(CrashProcess, LeavesASymbolisedReportThatTheNextStartOffers)
{
    const PrivateHome home;
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("TABWRIGHT_CRASH_FOR_TESTING"), QStringLiteral("1"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TABWRIGHT_EXECUTABLE_PATH), {});
    ASSERT_TRUE(program.waitForFinished(120'000));
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << program.readAllStandardError().data();

    UserDefaults::standard().removeObject(QLatin1String(DefaultsKeys::LastCrashReportDate));
    ZRNCrashReporter reporter(home.stateFolder(),
                              QDir(home.stateFolder()).filePath(QStringLiteral("tabwright.log")));
    const QString offered = reporter.reportToOffer();
    ASSERT_FALSE(offered.isEmpty()) << program.readAllStandardError().data();
    const QString report = ZRNCrashReporter::lastCrashReport(offered);
    for (const char *expected :
         {"Process:    tabwright [", "Version:    0.1.0", "Signal:     11 (SIGSEGV)",
          "CrashSignalHandler15crashForTesting", "(main+"})
        EXPECT_TRUE(report.contains(QLatin1String(expected))) << expected << "\n"
                                                              << qPrintable(report);
    EXPECT_TRUE(reporter.consoleLog().contains(QLatin1String("tabwright[")));
    EXPECT_EQ(reporter.reportToOffer(), QString());
}

} // namespace

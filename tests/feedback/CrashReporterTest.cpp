#include "feedback/LogFile.h"
#include "feedback/ZRNCrashReporter.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

#include "support/NamedCase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace {

using NamedCases::PrintTo;

// A check time at which a float of seconds rounds up by a minute: the stored-date mend shows.
const QDateTime s_checkTime = QDateTime::fromSecsSinceEpoch(1765000001, Qt::UTC);

QString lastCheckKey()
{
    return QString::fromLatin1(DefaultsKeys::LastCrashReportDate);
}

class CrashReportFolder
{
public:
    CrashReportFolder() { UserDefaults::standard().removeObject(lastCheckKey()); }

    // A report whose modification date lies seconds from the check time.
    void write(const QString &name, qint64 seconds, const QByteArray &text = "report")
    {
        QFile file(QDir(m_dir.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.flush();
        file.setFileTime(s_checkTime.addSecs(seconds), QFileDevice::FileModificationTime);
    }
    // The name of the report the launch check offers, checking that many seconds from the
    // check time.
    QString offer(qint64 seconds = 0)
    {
        return QFileInfo(reporter().reportToOffer(s_checkTime.addSecs(seconds))).fileName();
    }
    ZRNCrashReporter reporter() const
    {
        return ZRNCrashReporter(m_dir.path(), QDir(m_dir.path()).filePath("tabwright.log"));
    }
    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

private:
    QTemporaryDir m_dir;
};

struct CheckCase
{
    const char *name;
    std::optional<QVariant> lastCheck; // seconds since 1970 as an earlier version stored them
    std::vector<std::pair<const char *, qint64>> reports; // name, seconds from the check time
    QString offered;
};

class LaunchCheckTest : public ::testing::TestWithParam<CheckCase>
{};

TEST_P(LaunchCheckTest, OffersTheNewestReportSinceTheLastCheck)
{
    const CheckCase &c = GetParam();
    CrashReportFolder folder;
    if (c.lastCheck)
        UserDefaults::standard().setObject(lastCheckKey(), *c.lastCheck);
    for (const auto &[name, seconds] : c.reports)
        folder.write(QString::fromLatin1(name), seconds);
    EXPECT_EQ(folder.offer(), c.offered);
}

const qint64 s_checkSeconds = s_checkTime.toSecsSinceEpoch();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Reports, LaunchCheckTest, ::testing::Values(
    CheckCase{"NeverCheckedOffersTheReport", std::nullopt, {{"tabwright_1.crash", -900}},
              QStringLiteral("tabwright_1.crash")},
    CheckCase{"NewestOfTwoByDateNotName", std::nullopt,
              {{"tabwright_9.crash", -500}, {"tabwright_1.crash", -100}, {"other_1.crash", -10},
               {"tabwright.log", -5}},
              QStringLiteral("tabwright_1.crash")},
    CheckCase{"OldFloatDateReportAfterIt", QVariant(float(s_checkSeconds - 1000)),
              {{"tabwright_1.crash", -100}}, QStringLiteral("tabwright_1.crash")},
    CheckCase{"OldFloatDateReportBeforeIt", QVariant(float(s_checkSeconds - 1000)),
              {{"tabwright_1.crash", -1500}}, QString()}),
    caseName);
// clang-format on

// Each report is offered once; one written seconds after a check is still new (a float of
// seconds stored the check a minute late and skipped it).
TEST(LaunchCheck, OffersEachReportOnceAndMissesNoneWrittenSoonAfter)
{
    CrashReportFolder folder;
    folder.write(QStringLiteral("tabwright_1.crash"), -100);
    const QString first = folder.offer();
    const QString again = folder.offer(5);
    folder.write(QStringLiteral("tabwright_2.crash"), 10);
    EXPECT_EQ(QStringList({first, again, folder.offer(20)}),
              QStringList({QStringLiteral("tabwright_1.crash"), QString(),
                           QStringLiteral("tabwright_2.crash")}));
}

// The window shows the last report of the file and the log from the first line naming the
// program, the older log file first.
TEST(CrashReporter, ShowsTheLastReportAndTheLogSinceTheProgramNamedItself)
{
    CrashReportFolder folder;
    folder.write(QStringLiteral("tabwright_1.crash"), 0, "old\n\n**********\n\nSignal: 11\n");
    folder.write(QStringLiteral("tabwright.log.1"), 0, "boot\nT1 tabwright[7]: started\n");
    folder.write(QStringLiteral("tabwright.log"), 0, "T2 tabwright[7]: Warning: x\n");
    EXPECT_EQ(folder.reporter().reportText(folder.path(QStringLiteral("tabwright_1.crash"))),
              u"Signal: 11\n\n\nT1 tabwright[7]: started\nT2 tabwright[7]: Warning: x");
    EXPECT_EQ(ZRNCrashReporter::lastCrashReport(folder.path(QStringLiteral("none.crash"))), u"");
}

// The log never grows past its limit: the full file becomes the older one.
TEST(CrashReporter, LogRotatesWhenFull)
{
    const QTemporaryDir dir;
    const QString log = QDir(dir.path()).filePath(QStringLiteral("tabwright.log"));
    LogFile::install(log, QStringLiteral("tabwright"));
    const QString line(1000, QLatin1Char('x'));
    for (int i = 0; i <= LogFile::s_limit / 1000; ++i)
        qInfo("%d %s", i, qPrintable(line));
    qInfo("last");
    EXPECT_LT(QFileInfo(log).size(), LogFile::s_limit);
    EXPECT_GE(QFileInfo(log + QStringLiteral(".1")).size(), LogFile::s_limit);
    EXPECT_TRUE(LogFile::lines(log, QStringLiteral("tabwright")).last().endsWith(u"last"));
}

} // namespace

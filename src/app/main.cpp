#include "app/AppController.h"
#include "feedback/ApplicationDescription.h"
#include "feedback/CrashSignalHandler.h"
#include "feedback/LogFile.h"
#include "feedback/StateFolder.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tabwright"));
    QApplication::setApplicationName(QStringLiteral("Tabwright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tabwright"));
    QApplication::setApplicationVersion(QStringLiteral(TABWRIGHT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tabwright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tabwright.svg")));
    // Qt's own texts (standard buttons, key names in menus) in the user's language, where the
    // system has them; our own texts come from LocalizedStrings.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // From here on a crash leaves a report, and every message goes to the log beside it.
    const ApplicationDescription &description = ApplicationDescription::standard();
    CrashSignalHandler::install(StateFolder::path(), description.executable, description.version);
    LogFile::install(StateFolder::logFilePath(), description.executable);
    qInfo("%s %s started", qPrintable(description.executable), qPrintable(description.version));

    AppController controller;
    controller.launch(QApplication::arguments().mid(1));
    // The process tests check the report a crash leaves and its offer at the next start.
    if (qEnvironmentVariableIsSet("TABWRIGHT_CRASH_FOR_TESTING"))
        QTimer::singleShot(0, &CrashSignalHandler::crashForTesting);
    return QApplication::exec();
}

#include "app/AppController.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tabwright"));
    QApplication::setApplicationName(QStringLiteral("Tabwright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tabwright"));
    QApplication::setApplicationVersion(QStringLiteral(TABWRIGHT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tabwright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tabwright.svg")));

    AppController controller;
    controller.launch(QApplication::arguments().mid(1));
    return QApplication::exec();
}

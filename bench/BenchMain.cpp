#include "BenchCommands.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream err(stderr);
    err << "usage: tabwright-bench MODE ARGUMENTS\n";
    for (const BenchCommand &command : benchCommands())
        err << "  tabwright-bench " << command.name << ' ' << command.usage << '\n';
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    const QString mode = arguments.takeFirst();
    for (const BenchCommand &command : benchCommands()) {
        if (mode == QLatin1String(command.name))
            return command.run(arguments);
    }
    return usage();
}

#include "BenchCommands.h"

#include <QApplication>
#include <QTextStream>

#include <memory>

namespace {

int usage()
{
    QTextStream err(stderr);
    err << "usage: tabwright-bench MODE ARGUMENTS\n";
    for (const BenchCommand &command : benchCommands())
        err << "  tabwright-bench " << command.name << ' ' << command.usage << '\n';
    return 2;
}

const BenchCommand *findCommand(int argc, char *argv[])
{
    for (const BenchCommand &command : benchCommands()) {
        if (argc > 1 && qstrcmp(argv[1], command.name) == 0)
            return &command;
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    const BenchCommand *command = findCommand(argc, argv);
    if (command && command->needsWidgets && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        command && command->needsWidgets ? std::make_unique<QApplication>(argc, argv)
                                         : std::make_unique<QCoreApplication>(argc, argv);
    if (!command)
        return usage();
    return command->run(QCoreApplication::arguments().mid(2));
}

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

const BenchCommand *findCommand(const char *name)
{
    for (const BenchCommand &command : benchCommands()) {
        if (qstrcmp(name, command.name) == 0)
            return &command;
    }
    return nullptr;
}

// Modes without widgets keep the process as light as the document alone, so that the memory
// they report is the document's.
std::unique_ptr<QCoreApplication> makeApplication(const BenchCommand &command, int &argc,
                                                  char *argv[])
{
    if (!command.needsWidgets)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const BenchCommand *command = argc > 1 ? findCommand(argv[1]) : nullptr;
    if (!command)
        return usage();
    const std::unique_ptr<QCoreApplication> application = makeApplication(*command, argc, argv);
    return command->run(QCoreApplication::arguments().mid(2));
}

#include "BenchCommands.h"

const QList<BenchCommand> &benchCommands()
{
    static const QList<BenchCommand> s_commands = {
        {"open", "FILE", openCommand},
    };
    return s_commands;
}

#include "BenchCommands.h"

const QList<BenchCommand> &benchCommands()
{
    static const QList<BenchCommand> s_commands = {};
    return s_commands;
}

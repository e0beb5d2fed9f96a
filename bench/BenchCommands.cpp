#include "BenchCommands.h"

#include "BenchWriteOptions.h"
#include "ParserBenchOptions.h"

const QList<BenchCommand> &benchCommands()
{
    static const QList<BenchCommand> s_commands = {
        {"generate", GenerateUsage, generateCommand},
        {"parse", ParserBenchOptions::Usage, parseCommand},
        {"dump", ParserBenchOptions::Usage, dumpCommand},
        {"open", "FILE", openCommand},
        {"commands", "FILE", commandsCommand, true},
        {"duplicates", "FILE", duplicatesCommand},
        {"detect", "FILE", detectCommand},
        {"write", BenchWriteOptions::Usage, writeCommand},
        {"save", BenchWriteOptions::Usage, saveCommand},
        {"window", "FILE", windowCommand, true},
        {"recovery", "FILE", recoveryCommand},
        {"filter", "FILE TEXT", filterCommand},
        {"replace", "FILE FIND REPLACE", replaceCommand},
        {"clipboard", "FILE", clipboardCommand, true},
        {"eventloop", "FILE OUT", eventLoopCommand, true},
    };
    return s_commands;
}

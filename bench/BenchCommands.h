#pragma once

#include <QStringList>

// One function per mode of tabwright-bench; each gets the arguments after the mode's name and
// answers the process exit code.
struct BenchCommand
{
    const char *name;
    const char *usage;
    int (*run)(const QStringList &arguments);
    // The mode shows windows or measures text: it runs under a QApplication on the offscreen
    // platform.
    bool needsWidgets = false;
};

// The table of modes, in the order the usage text lists them.
const QList<BenchCommand> &benchCommands();

// The modes, each in a file of its own.
inline constexpr const char *GenerateUsage = "[--numbers] ROWS FILE";
int generateCommand(const QStringList &arguments);
int parseCommand(const QStringList &arguments);
int dumpCommand(const QStringList &arguments);
int openCommand(const QStringList &arguments);
int commandsCommand(const QStringList &arguments);
int duplicatesCommand(const QStringList &arguments);
int detectCommand(const QStringList &arguments);
int writeCommand(const QStringList &arguments);
int saveCommand(const QStringList &arguments);
int windowCommand(const QStringList &arguments);
int recoveryCommand(const QStringList &arguments);
int filterCommand(const QStringList &arguments);
int replaceCommand(const QStringList &arguments);
int clipboardCommand(const QStringList &arguments);
int eventLoopCommand(const QStringList &arguments);

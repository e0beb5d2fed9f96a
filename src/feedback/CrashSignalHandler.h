#pragma once

#include <QString>

// Writes a crash report when the program dies of a fatal signal (a bad memory access, an abort,
// an illegal instruction, an arithmetic fault): "<name>_<date>_<time>.crash" in the folder,
// holding the signal, the time (UTC), the version and the symbolised backtrace of the crashing
// thread. Then the signal is raised again, so the system still sees the crash (exit status,
// core file).
//
// The handler runs in a process that is already broken: it only uses calls that are safe in a
// signal handler (open, write, time, getpid, backtrace_symbols_fd) over buffers filled at
// install time, and it runs on a stack of its own, so a stack overflow is reported too.
class CrashSignalHandler
{
public:
    // Installs the handlers; the folder is made when missing.
    static void install(const QString &folder, const QString &applicationName,
                        const QString &version);

    // A genuine invalid memory access, for the test that checks the report a crash leaves.
    [[noreturn]] static void crashForTesting();
};

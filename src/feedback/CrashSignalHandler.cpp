#include "CrashSignalHandler.h"

#include <QDir>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>

#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Everything the handler needs is prepared here at install time: it may not allocate.
constexpr size_t s_pathCapacity = 4096;
char s_reportPrefix[s_pathCapacity]; // "<folder>/<name>_"
char s_header[512];                  // "Process: …\nVersion: …\n"
std::atomic_flag s_handling = ATOMIC_FLAG_INIT;
alignas(16) char s_alternateStack[256 * 1024];

struct FatalSignal
{
    int number;
    const char *name;
};

constexpr std::array<FatalSignal, 6> s_fatalSignals = {{{SIGSEGV, "SIGSEGV"},
                                                        {SIGBUS, "SIGBUS"},
                                                        {SIGILL, "SIGILL"},
                                                        {SIGFPE, "SIGFPE"},
                                                        {SIGABRT, "SIGABRT"},
                                                        {SIGTRAP, "SIGTRAP"}}};

// A text assembled in a fixed buffer; what does not fit is cut.
class Text
{
public:
    void append(const char *text)
    {
        while (*text && m_length + 1 < sizeof(m_buffer))
            m_buffer[m_length++] = *text++;
        m_buffer[m_length] = '\0';
    }
    void appendNumber(long value, int width = 1)
    {
        char digits[24];
        int count = 0;
        const bool negative = value < 0;
        unsigned long rest =
            negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
        do {
            digits[count++] = char('0' + rest % 10);
            rest /= 10;
        } while (rest > 0 || count < width);
        if (negative)
            append("-");
        char reversed[24];
        for (int i = 0; i < count; ++i)
            reversed[i] = digits[count - 1 - i];
        reversed[count] = '\0';
        append(reversed);
    }
    const char *data() const { return m_buffer; }
    size_t length() const { return m_length; }

private:
    char m_buffer[s_pathCapacity + 256] = {};
    size_t m_length = 0;
};

// The civil date of a day count since 1970-01-01 (proleptic Gregorian calendar), without the
// C library, whose calendar functions are not safe in a signal handler.
struct CivilTime
{
    long year, month, day, hour, minute, second;
};

CivilTime civilTime(time_t seconds)
{
    const long days = long(seconds / 86400);
    const long secondOfDay = long(seconds % 86400);
    const long shifted = days + 719468;
    const long era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const long dayOfEra = shifted - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    const long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
}

void appendDate(Text &text, const CivilTime &t, const char *dateTimeSeparator,
                const char *timeSeparator)
{
    text.appendNumber(t.year, 4);
    text.append("-");
    text.appendNumber(t.month, 2);
    text.append("-");
    text.appendNumber(t.day, 2);
    text.append(dateTimeSeparator);
    text.appendNumber(t.hour, 2);
    text.append(timeSeparator);
    text.appendNumber(t.minute, 2);
    text.append(timeSeparator);
    text.appendNumber(t.second, 2);
}

void writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written <= 0)
            return;
        data += written;
        length -= size_t(written);
    }
}

const char *signalName(int signal)
{
    for (const FatalSignal &fatal : s_fatalSignals) {
        if (fatal.number == signal)
            return fatal.name;
    }
    return "signal";
}

// Two crashes within a second get names of their own: the second one adds its process id.
int createReport(const CivilTime &time, Text &path)
{
    path.append(s_reportPrefix);
    appendDate(path, time, "_", "-");
    Text unique = path;
    path.append(".crash");
    const int fd = ::open(path.data(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST)
        return fd;
    unique.append("_");
    unique.appendNumber(long(::getpid()));
    unique.append(".crash");
    path = unique;
    return ::open(path.data(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
}

void writeReport(int signal)
{
    const CivilTime time = civilTime(::time(nullptr));
    Text path;
    const int fd = createReport(time, path);
    if (fd < 0)
        return;
    Text report;
    report.append(s_header);
    report.append("Signal:     ");
    report.appendNumber(signal);
    report.append(" (");
    report.append(signalName(signal));
    report.append(")\nDate/Time:  ");
    appendDate(report, time, " ", ":");
    report.append(" UTC\n\nBacktrace of the crashing thread:\n");
    writeAll(fd, report.data(), report.length());
    void *frames[128];
    const int count = ::backtrace(frames, 128);
    ::backtrace_symbols_fd(frames, count, fd);
    ::fsync(fd);
    ::close(fd);

    Text message;
    message.append("Crash report written to ");
    message.append(path.data());
    message.append("\n");
    writeAll(STDERR_FILENO, message.data(), message.length());
}

void handleFatalSignal(int signal)
{
    // Only the first crashing thread writes; the handler is reset to the default on entry, so
    // raising the signal again ends the process as the system would have.
    if (!s_handling.test_and_set())
        writeReport(signal);
    ::raise(signal);
}

void copyInto(char *buffer, size_t capacity, const QByteArray &text)
{
    const size_t length = std::min(size_t(text.size()), capacity - 1);
    std::memcpy(buffer, text.constData(), length);
    buffer[length] = '\0';
}

} // namespace

void CrashSignalHandler::install(const QString &folder, const QString &applicationName,
                                 const QString &version)
{
    QDir().mkpath(folder);
    copyInto(s_reportPrefix, sizeof(s_reportPrefix),
             QDir(folder).filePath(applicationName + QLatin1Char('_')).toLocal8Bit());
    copyInto(s_header, sizeof(s_header),
             QStringLiteral("Process:    %1 [%2]\nVersion:    %3\n")
                 .arg(applicationName)
                 .arg(::getpid())
                 .arg(version)
                 .toUtf8());
    // The first backtrace loads the unwinder, which allocates: better now than in a crash.
    void *frame = nullptr;
    ::backtrace(&frame, 1);

    stack_t stack = {};
    stack.ss_sp = s_alternateStack;
    stack.ss_size = sizeof(s_alternateStack);
    ::sigaltstack(&stack, nullptr);

    struct sigaction action = {};
    action.sa_handler = handleFatalSignal;
    action.sa_flags = SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (const FatalSignal &fatal : s_fatalSignals)
        ::sigaction(fatal.number, &action, nullptr);
}

void CrashSignalHandler::crashForTesting()
{
    // An address no program maps; volatile, so the compiler cannot drop or predict the write.
    auto *volatile nowhere = reinterpret_cast<volatile int *>(std::uintptr_t(16));
    *nowhere = 1;
    std::abort();
}

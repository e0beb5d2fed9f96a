#include "Measurement.h"

#include <sys/resource.h>

#include <ctime>

double Measurement::processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

QString Measurement::secondsWithCpu() const
{
    return QStringLiteral("%1 s (cpu %2 s)").arg(seconds(), 0, 'f', 3).arg(cpuSeconds(), 0, 'f', 3);
}

qint64 Measurement::peakMemoryBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<qint64>(usage.ru_maxrss) * 1024;
}

QString Measurement::throughput(qint64 bytes, double seconds)
{
    if (seconds <= 0)
        return QStringLiteral("n/a");
    return QStringLiteral("%1 MB/s").arg(bytes / 1e6 / seconds, 0, 'f', 1);
}

QString Measurement::megabytes(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(bytes / 1e6, 0, 'f', 1);
}

QString Measurement::writeFigures(qint64 rows, qint64 bytes, double seconds)
{
    return QStringLiteral("rows %1  bytes %2  seconds %3  %4  peak memory %5")
        .arg(QString::number(rows), QString::number(bytes), QString::number(seconds, 'f', 3),
             throughput(bytes, seconds), megabytes(peakMemoryBytes()));
}

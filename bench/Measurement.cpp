#include "Measurement.h"

#include <sys/resource.h>

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

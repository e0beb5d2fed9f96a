#pragma once

#include <QElapsedTimer>
#include <QString>

// Wall-clock time and the process's peak resident memory, as the bench modes report them.
class Measurement
{
public:
    Measurement() { m_timer.start(); }

    double seconds() const { return m_timer.nsecsElapsed() / 1e9; }
    void restart() { m_timer.restart(); }

    // Peak resident set size of the whole process so far, in bytes.
    static qint64 peakMemoryBytes();
    // "12.3 MB/s"-style throughput of bytes over the seconds measured.
    static QString throughput(qint64 bytes, double seconds);
    static QString megabytes(qint64 bytes);
    // The line the writing modes print: rows, bytes, seconds, throughput and peak memory.
    static QString writeFigures(qint64 rows, qint64 bytes, double seconds);

private:
    QElapsedTimer m_timer;
};

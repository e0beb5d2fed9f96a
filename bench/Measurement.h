#pragma once

#include <QElapsedTimer>
#include <QString>

// Wall-clock time and the process's peak resident memory, as the bench modes report them.
class Measurement
{
public:
    Measurement() { restart(); }

    double seconds() const { return m_timer.nsecsElapsed() / 1e9; }
    // The processor time the process used meanwhile: on a busy machine the part of the wall
    // time that is the program's own.
    double cpuSeconds() const { return processCpuSeconds() - m_cpuStart; }
    void restart()
    {
        m_timer.restart();
        m_cpuStart = processCpuSeconds();
    }
    // "0.41 s (cpu 0.40 s)".
    QString secondsWithCpu() const;

    // Peak resident set size of the whole process so far, in bytes.
    static qint64 peakMemoryBytes();
    // "12.3 MB/s"-style throughput of bytes over the seconds measured.
    static QString throughput(qint64 bytes, double seconds);
    static QString megabytes(qint64 bytes);
    // The line the writing modes print: rows, bytes, seconds, throughput and peak memory.
    static QString writeFigures(qint64 rows, qint64 bytes, double seconds);

private:
    static double processCpuSeconds();

    QElapsedTimer m_timer;
    double m_cpuStart = 0;
};

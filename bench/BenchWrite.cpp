#include "BenchCommands.h"
#include "BenchTable.h"
#include "Measurement.h"

#include "csv/ZRNCSVExport.h"
#include "csv/ZRNCSVParser.h"
#include "csv/ZRNEncodingManager.h"
#include "foundation/NotFound.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

struct WriteOptions
{
    QString in;
    QString out;
    StringEncoding encoding = StringEncodings::UTF8;
    int separatorType = 0;
    int lineEndType = 0;
    int repeat = 1;

    bool read(const QStringList &arguments)
    {
        QStringList files;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString &argument = arguments[i];
            if (!argument.startsWith(QLatin1String("--"))) {
                files.append(argument);
                continue;
            }
            bool ok = i + 1 < arguments.size();
            const QString value = ok ? arguments[++i] : QString();
            if (argument == QLatin1String("--encoding"))
                encoding = value.toULongLong(&ok, 0);
            else if (argument == QLatin1String("--separator"))
                separatorType = value.toInt(&ok);
            else if (argument == QLatin1String("--line-ending"))
                lineEndType = value.toInt(&ok);
            else if (argument == QLatin1String("--repeat"))
                ok = (repeat = value.toInt(&ok)) > 0 && ok;
            else
                ok = false;
            if (!ok)
                return false;
        }
        in = files.value(0);
        out = files.value(1);
        return files.size() == 2;
    }
};

// Freshly parsed rows are slow to read the first time on some machines; reading them once
// before the clock starts keeps that out of the writer's figure.
void touchEveryCell(const BenchTable &table)
{
    volatile char16_t sum = 0;
    for (qsizetype row = 0; row < table.rowCount(); ++row) {
        for (qsizetype column = 0; column < table.columnCount(row); ++column) {
            for (const QChar c : table.cell(row, column))
                sum = sum + c.unicode();
        }
    }
}

// Reads the file in the encoding and with the separator detected, as the open assistant would.
bool readTable(const QString &path, BenchTable &table, QTextStream &err)
{
    Error error;
    const auto parser = ZRNCSVParser::withContentsOfCSVFile(
        path, ZRNEncodingManager::encodingForFile(path), &error);
    if (!parser) {
        err << path << ": " << error.localizedDescription() << '\n';
        return false;
    }
    const qint64 separator = ZRNCSVParser::autodetectSeparatorForCSVFile(path);
    parser->setSeparatorType(separator == NotFound ? 0 : separator);
    parser->setParserDelegate(&table);
    parser->parse();
    if (!table.failure().isEmpty()) {
        err << path << ": " << table.failure() << '\n';
        return false;
    }
    return true;
}

// The seconds the fastest of the runs took, or a negative number after saying why it failed.
// On a busy machine the best of several runs is the closest to the writer's own speed.
double timeWrites(const BenchTable &table, const WriteOptions &options, QFile &file,
                  QTextStream &err)
{
    double seconds = -1;
    for (int run = 0; run < options.repeat; ++run) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            err << options.out << ": " << file.errorString() << '\n';
            return -1;
        }
        const Measurement measurement;
        ZRNCSVExport writer(&file);
        writer.setEncoding(options.encoding);
        writer.setSeparatorType(options.separatorType);
        writer.setLineEndType(options.lineEndType);
        Error error;
        const bool written = writer.writeRows(table, &error) && file.flush();
        seconds = run == 0 ? measurement.seconds() : std::min(seconds, measurement.seconds());
        file.close();
        if (!written) {
            err << options.out << ": "
                << (error.isNull() ? file.errorString() : error.localizedDescription()) << '\n';
            return -1;
        }
    }
    return seconds;
}

} // namespace

// Reads IN, untimed, then times writing all its rows to OUT in the encoding, separator and
// line ending asked for.
int writeCommand(const QStringList &arguments)
{
    QTextStream err(stderr);
    WriteOptions options;
    if (!options.read(arguments)) {
        err << "usage: tabwright-bench write IN OUT [--encoding N] [--separator T] "
               "[--line-ending L] [--repeat N]\n";
        return 2;
    }
    BenchTable table;
    if (!readTable(options.in, table, err))
        return 1;
    touchEveryCell(table);
    QFile file(options.out);
    const double seconds = timeWrites(table, options, file, err);
    if (seconds < 0)
        return 1;
    QTextStream(stdout) << "rows " << table.rowCount() << "  bytes " << file.size() << "  seconds "
                        << QString::number(seconds, 'f', 3) << "  "
                        << Measurement::throughput(file.size(), seconds) << "  peak memory "
                        << Measurement::megabytes(Measurement::peakMemoryBytes()) << '\n';
    return 0;
}

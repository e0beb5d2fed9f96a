#include "BenchCommands.h"
#include "BenchTable.h"
#include "BenchWriteOptions.h"
#include "Measurement.h"

#include "csv/ZRNCSVExport.h"
#include "csv/ZRNCSVParser.h"
#include "csv/ZRNEncodingManager.h"
#include "foundation/NotFound.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

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
double timeWrites(const BenchTable &table, const BenchWriteOptions &options, QFile &file,
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
        writer.setEncoding(options.encoding.value_or(StringEncodings::UTF8));
        writer.setSeparatorType(options.separatorType.value_or(0));
        writer.setLineEndType(options.lineEndType.value_or(0));
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
    BenchWriteOptions options;
    if (!options.read("write", arguments))
        return 2;
    BenchTable table;
    if (!readTable(options.in, table, err))
        return 1;
    touchEveryCell(table);
    QFile file(options.out);
    const double seconds = timeWrites(table, options, file, err);
    if (seconds < 0)
        return 1;
    QTextStream(stdout) << Measurement::writeFigures(table.rowCount(), file.size(), seconds)
                        << '\n';
    return 0;
}

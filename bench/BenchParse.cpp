#include "BenchCommands.h"
#include "Measurement.h"
#include "ParserBenchOptions.h"

#include "csv/ZRNCSVParser.h"
#include "csv/ZRNCSVParserDelegate.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// Keeps nothing, so that what is measured is the parser alone.
class CountingDelegate : public ZRNCSVParserDelegate
{
public:
    qint64 lines = 0;
    qint64 fields = 0;
    QString failure;

    void parserDidStartDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidStartLine(ZRNCSVParser &, qint64) override {}
    void parserDidReadField(ZRNCSVParser &, QStringView) override { ++fields; }
    void parserDidEndLine(ZRNCSVParser &, qint64) override { ++lines; }
    void parserDidEndDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidFailWithError(ZRNCSVParser &, const Error &error) override
    {
        failure = error.localizedDescription();
    }
};

} // namespace

int parseCommand(const QStringList &arguments)
{
    ParserBenchOptions options;
    if (!options.read(arguments))
        return 2;
    const Measurement measurement;
    const auto parser = options.makeParser();
    if (!parser)
        return 1;
    CountingDelegate counter;
    parser->setParserDelegate(&counter);
    parser->parse();
    const double seconds = measurement.seconds();

    const qint64 bytes = QFileInfo(options.file).size();
    QTextStream(stdout) << "rows " << counter.lines << "  fields " << counter.fields << "  seconds "
                        << QString::number(seconds, 'f', 3) << "  "
                        << Measurement::throughput(bytes, seconds) << "  peak memory "
                        << Measurement::megabytes(Measurement::peakMemoryBytes()) << '\n';
    if (!counter.failure.isEmpty()) {
        QTextStream(stderr) << "failed: " << counter.failure << '\n';
        return 1;
    }
    return 0;
}

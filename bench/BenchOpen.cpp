#include "BenchCommands.h"
#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"

#include "foundation/Error.h"

#include <QFileInfo>
#include <QTextStream>

// Reads a file into a document with no window, as opening it does, then removes every row and
// takes that back and forth.
int openCommand(const QStringList &arguments)
{
    QTextStream out(stdout);
    if (arguments.size() != 1) {
        QTextStream(stderr) << "usage: tabwright-bench open FILE\n";
        return 2;
    }
    const QString path = arguments.first();
    const qint64 bytes = QFileInfo(path).size();

    Measurement measurement;
    Error error;
    std::unique_ptr<CSVDocument> document = CSVDocument::withContentsOfURL(path, {}, &error);
    const double seconds = measurement.seconds();
    if (!document) {
        QTextStream(stderr) << error.localizedDescription() << '\n';
        return 1;
    }
    const qint64 peak = Measurement::peakMemoryBytes();
    out << "read " << document->rowArrays().size() << " rows of " << document->numberOfColumns()
        << " columns in " << seconds << " s, cpu " << measurement.cpuSeconds() << " s ("
        << Measurement::throughput(bytes, seconds) << "), peak memory "
        << Measurement::megabytes(peak) << " = "
        << QString::number(double(peak) / double(bytes), 'f', 2) << " x the file\n";
    if (document->readFailure())
        out << "read failed: " << document->readFailure()->localizedDescription(path) << '\n';
    document->buildTableViewColumns();

    const qint64 rowCount = qint64(document->rowArrays().size());
    timeChangeUndoRedo(out, "remove all rows at once", *document,
                       [&] { document->removeCSVRowsAtIndexes(IndexSet::fromRange(0, rowCount)); });
    timeChangeUndoRedo(out, "remove all rows one by one from the last", *document, [&] {
        const CSVRowList rows = document->rowArrays();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            document->removeCSVRow(*row);
    });
    return 0;
}

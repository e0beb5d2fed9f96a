#include "BenchCommands.h"
#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVColumnCommands.h"
#include "document/commands/CSVRemoval.h"

#include "foundation/Error.h"

#include <QTextStream>

namespace {

IndexSet everyOtherRow(qint64 rowCount)
{
    IndexSet rows;
    for (qint64 row = 0; row < rowCount; row += 2)
        rows.add(row);
    return rows;
}

void timeRowRemoval(QTextStream &out, const char *label, CSVDocument &document,
                    const IndexSet &rows)
{
    document.selectRowIndexes(rows, false);
    timeChangeUndoRedo(out, label, document,
                       [&] { CSVRemoval(document, CSVRemoval::Kind::Rows).answer(true, false); });
}

} // namespace

// Times the heavy row and column commands on a file read into a document with no window.
int commandsCommand(const QStringList &arguments)
{
    QTextStream out(stdout);
    if (arguments.size() != 1) {
        QTextStream(stderr) << "usage: tabwright-bench commands FILE\n";
        return 2;
    }
    Error error;
    std::unique_ptr<CSVDocument> document =
        CSVDocument::withContentsOfURL(arguments.first(), {}, &error);
    if (!document) {
        QTextStream(stderr) << error.localizedDescription() << '\n';
        return 1;
    }
    document->buildTableViewColumns();
    const qint64 rowCount = qint64(document->rowArrays().size());
    out << "rows " << rowCount << ", columns " << document->numberOfColumns() << '\n';

    timeRowRemoval(out, "remove every other row", *document, everyOtherRow(rowCount));
    timeRowRemoval(out, "remove the first half", *document, IndexSet::fromRange(0, rowCount / 2));
    timeChangeUndoRedo(out, "add a column", *document,
                       [&] { CSVColumnCommands::addNewColumn(*document); });
    return 0;
}

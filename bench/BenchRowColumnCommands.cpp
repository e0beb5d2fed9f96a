#include "BenchCommands.h"
#include "BenchContentCommands.h"
#include "BenchDocumentArgument.h"
#include "BenchIndexSets.h"
#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVColumnCommands.h"
#include "document/commands/CSVColumnWidths.h"
#include "document/commands/CSVRemoval.h"
#include "ui/CSVTableView.h"
#include "ui/TableCellWidthMeasure.h"

#include <QFontDatabase>
#include <QTextStream>

namespace {

void timeRowRemoval(QTextStream &out, const char *label, CSVDocument &document,
                    const IndexSet &rows)
{
    document.selectRowIndexes(rows, false);
    timeChangeUndoRedo(out, label, document,
                       [&] { CSVRemoval(document, CSVRemoval::Kind::Rows).answer(true, false); });
}

// Fits every column to its cells as the table draws them, in the factory font.
void timeFittingWidths(QTextStream &out, CSVDocument &document)
{
    CSVTableView table(document, QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const TableCellWidthMeasure measure(&table);
    Measurement measurement;
    CSVColumnWidths::fitAllColumns(document, measure);
    out << "fit all column widths: " << measurement.seconds() << " s, widths";
    for (const CSVTableColumn &column : document.tableColumns().columns())
        out << ' ' << column.width();
    out << '\n';
}

} // namespace

// Times the heavy row and column commands on a file read into a document with no window.
int commandsCommand(const QStringList &arguments)
{
    int exitCode = 0;
    QTextStream out(stdout);
    const std::unique_ptr<CSVDocument> document =
        readTableArgument(arguments, "commands", exitCode, out);
    if (!document)
        return exitCode;
    const qint64 rowCount = qint64(document->rowArrays().size());

    timeRowRemoval(out, "remove every other row", *document, everyOtherRow(rowCount));
    timeRowRemoval(out, "remove the first half", *document, IndexSet::fromRange(0, rowCount / 2));
    timeChangeUndoRedo(out, "add a column", *document,
                       [&] { CSVColumnCommands::addNewColumn(*document); });
    timeFittingWidths(out, *document);
    timeContentCommands(out, *document);
    return 0;
}

#include "BenchCommands.h"
#include "BenchDocumentArgument.h"
#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVDuplicateRows.h"

#include <QTextStream>

#include <algorithm>

namespace {

using Purpose = CSVDuplicateSearch::Purpose;

CSVDuplicateSearch timeSearch(QTextStream &out, const char *label, CSVDocument &document,
                              const QString &key, Purpose purpose)
{
    Measurement measurement;
    CSVDuplicateSearch search = CSVDuplicateRows::makeSearch(document, key, purpose);
    search.run([](qint64) { return true; });
    out << label << ": " << measurement.seconds() << " s, " << search.found().count()
        << " rows found\n";
    return search;
}

} // namespace

// Times finding duplicates by whole rows and by one column (the fourth, the generated table's
// category, where nearly every row repeats another; as the worker does, with the sorting for
// showing) and removing them with undo and redo, on a file read into a document.
int duplicatesCommand(const QStringList &arguments)
{
    int exitCode = 0;
    const std::unique_ptr<CSVDocument> document =
        readDocumentArgument(arguments, "duplicates", exitCode);
    if (!document)
        return exitCode;
    QTextStream out(stdout);
    document->buildTableViewColumns();
    out << "rows " << document->rowArrays().size() << ", columns " << document->numberOfColumns()
        << '\n';
    const CSVTableColumns &columns = document->tableColumns();
    const QString keyColumn = columns.at(std::min<qint64>(3, columns.count() - 1)).identifier();
    timeSearch(out, "find by whole rows", *document, QString(), Purpose::Remove);
    const CSVDuplicateSearch byKey =
        timeSearch(out, "find by one column", *document, keyColumn, Purpose::Remove);
    timeSearch(out, "find and sort to show by one column", *document, keyColumn, Purpose::Show);
    timeChangeUndoRedo(out, "remove duplicates by one column", *document,
                       [&] { CSVDuplicateRows::removeFound(*document, byKey); });
    out << "peak memory " << Measurement::megabytes(Measurement::peakMemoryBytes()) << '\n';
    return 0;
}

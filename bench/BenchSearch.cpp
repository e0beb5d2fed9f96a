#include "BenchCommands.h"
#include "BenchDocumentArgument.h"
#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "document/search/CSVFindReplace.h"
#include "document/search/CSVSearchFilter.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr char s_filterUsage[] = "FILE TEXT";
constexpr char s_replaceUsage[] = "FILE FIND REPLACE";

QString memoryFigures(const QString &path)
{
    const qint64 peak = Measurement::peakMemoryBytes();
    return QStringLiteral("peak memory %1 = %2 x the file")
        .arg(Measurement::megabytes(peak))
        .arg(double(peak) / double(QFileInfo(path).size()), 0, 'f', 2);
}

void timeFilter(QTextStream &out, CSVDocument &document, const QString &text)
{
    Measurement measurement;
    CSVSearchFilter::searchStringDidChanged(document, text);
    out << "filter \"" << text << "\": " << measurement.secondsWithCpu() << ", rows shown "
        << document.displayRowArrays().size() << '\n';
}

void closeDialog(CSVDocument &document, CSVFindReplace::Tag tag, const QStringList &arguments)
{
    CSVFindReplace::DialogValues values;
    values.searchText = arguments.at(1);
    values.replaceText = arguments.at(2);
    CSVFindReplace::closeDialog(document, tag, values);
}

} // namespace

// Filters a file read into a document with no window as a user types the text, one letter
// more each time, then again as the user deletes it; then once with a column ticked.
int filterCommand(const QStringList &arguments)
{
    int exitCode = 0;
    const std::unique_ptr<CSVDocument> document =
        readDocumentArgument(arguments, "filter", exitCode, s_filterUsage);
    if (!document)
        return exitCode;
    QTextStream out(stdout);
    out << "rows " << document->rowArrays().size() << ", after reading "
        << memoryFigures(arguments.first()) << '\n';
    document->buildTableViewColumns();
    const QString text = arguments.at(1);
    for (qsizetype length = 1; length <= text.size(); ++length)
        timeFilter(out, *document, text.left(length));
    for (qsizetype length = text.size() - 1; length >= 0; --length)
        timeFilter(out, *document, text.left(length));
    CSVSearchFilter::searchMenuItemSelected(*document, 2);
    out << "in the first column only: ";
    timeFilter(out, *document, text);
    out << memoryFigures(arguments.first()) << '\n';
    return 0;
}

// Selects every row holding FIND, then replaces FIND by REPLACE everywhere and takes that back
// and forth, in a document with no window.
int replaceCommand(const QStringList &arguments)
{
    int exitCode = 0;
    const std::unique_ptr<CSVDocument> document =
        readDocumentArgument(arguments, "replace", exitCode, s_replaceUsage);
    if (!document)
        return exitCode;
    QTextStream out(stdout);
    document->buildTableViewColumns();
    Measurement measurement;
    closeDialog(*document, CSVFindReplace::SelectAll, arguments);
    out << "select all \"" << arguments.at(1) << "\": " << measurement.secondsWithCpu() << ", rows "
        << document->numberOfSelectedRows() << '\n';
    timeChangeUndoRedo(out, "replace all", *document,
                       [&] { closeDialog(*document, CSVFindReplace::ReplaceAll, arguments); });
    out << "rows with a replacement " << document->findReplaceState().markedRows.count()
        << ", step " << document->undoManager().redoActionName() << ", "
        << memoryFigures(arguments.first()) << '\n';
    return 0;
}

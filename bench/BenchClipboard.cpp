#include "BenchCommands.h"
#include "BenchDocumentArgument.h"
#include "BenchIndexSets.h"
#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVClipboard.h"
#include "document/commands/CSVRowDrag.h"
#include "ui/SystemPasteboard.h"

#include <QTextStream>

namespace {

void timeCopy(QTextStream &out, const char *label, CSVDocument &document)
{
    SystemPasteboard &pasteboard = SystemPasteboard::general();
    Measurement measurement;
    CSVClipboard::copy(document, pasteboard);
    out << label << ": " << measurement.secondsWithCpu() << ", private flavour "
        << Measurement::megabytes(pasteboard.data(CSVPasteboard::s_rowsType).size() +
                                  pasteboard.data(CSVPasteboard::s_columnsType).size())
        << ", text "
        << Measurement::megabytes(pasteboard.data(CSVPasteboard::s_plainTextType).size())
        << ", peak memory " << Measurement::megabytes(Measurement::peakMemoryBytes()) << '\n';
}

// An empty document with the source's columns, so that pasted rows keep all their cells.
std::unique_ptr<CSVDocument> emptyDocumentLike(const CSVDocument &source)
{
    auto document = std::make_unique<CSVDocument>();
    document->setRowArrays({});
    document->setNumberOfColumns(source.numberOfColumns());
    document->buildTableViewColumns();
    return document;
}

} // namespace

// Times copy and paste through the desktop's clipboard, and a row drag, on a file read into a
// document with no window.
int clipboardCommand(const QStringList &arguments)
{
    int exitCode = 0;
    QTextStream out(stdout);
    const std::unique_ptr<CSVDocument> document =
        readTableArgument(arguments, "clipboard", exitCode, out);
    if (!document)
        return exitCode;
    const qint64 rowCount = qint64(document->rowArrays().size());
    SystemPasteboard &pasteboard = SystemPasteboard::general();

    document->selectRowIndexes(IndexSet::fromRange(0, rowCount), false);
    timeCopy(out, "copy all rows", *document);
    const std::unique_ptr<CSVDocument> empty = emptyDocumentLike(*document);
    timeChangeUndoRedo(out, "paste them into an empty document", *empty,
                       [&] { CSVClipboard::paste(*empty, pasteboard); });
    {
        CSVDocument fromClipboard;
        Measurement measurement;
        CSVClipboard::setRowsFromPasteboard(fromClipboard, pasteboard);
        out << "new document from them: " << measurement.secondsWithCpu() << '\n';
    }

    document->selectRowIndexes({}, false);
    document->selectColumnIndexes(IndexSet::fromRange(0, 3), false);
    timeCopy(out, "copy 3 columns", *document);
    document->selectColumnIndexes({}, false);
    timeChangeUndoRedo(out, "paste the 3 columns", *document,
                       [&] { CSVClipboard::paste(*document, pasteboard); });

    const IndexSet dragged = everyNthRow(rowCount, 10);
    timeChangeUndoRedo(out, "drag every tenth row to the middle", *document, [&] {
        CSVRowDrag drag;
        drag.begin(*document, dragged);
        drag.acceptDrop(*document, rowCount / 2 + 1);
    });
    return 0;
}

#include "BenchContentCommands.h"
#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVConvertContent.h"
#include "document/commands/CSVFillColumns.h"
#include "document/commands/CSVShiftContent.h"
#include "document/commands/CSVSortRows.h"
#include "document/commands/CSVTextConversion.h"

#include <QTextStream>

#include <malloc.h>

namespace {

// The generated file's longest text column: the worst case for the memory of a conversion.
constexpr qint64 s_commentColumn = 5;
constexpr qint64 s_nameColumn = 4;

qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

// What dropping the step frees is what it held.
void printConversionUndoMemory(QTextStream &out, CSVDocument &document)
{
    UndoManager &undo = document.undoManager();
    undo.removeAllActions();
    {
        UndoGroup group(undo);
        CSVConvertContent::convertColumnContent(document, CSVTextConversion::Uppercase);
    }
    const qint64 withStep = heapInUse();
    undo.removeAllActions();
    out << "undo step of upper-casing one column: "
        << Measurement::megabytes(withStep - heapInUse()) << '\n';
}

void sortByName(CSVDocument &document, bool comparesNumbers)
{
    CSVSortRows::Options options = CSVSortRows::open(document);
    options.keys[0].identifier = QString::number(s_nameColumn);
    options.comparesNumbers = comparesNumbers;
    CSVSortRows::close(document, options, true);
}

} // namespace

void timeContentCommands(QTextStream &out, CSVDocument &document)
{
    document.selectColumnIndexes({s_commentColumn}, false);
    timeChangeUndoRedo(out, "upper-case one column", document, [&] {
        CSVConvertContent::convertColumnContent(document, CSVTextConversion::Uppercase);
    });
    printConversionUndoMemory(out, document);
    timeChangeUndoRedo(out, "fill a number series into one column", document, [&] {
        CSVFillColumns::Options options = CSVFillColumns::open(document);
        options.fillsText = false;
        CSVFillColumns::close(document, options, true);
    });
    timeChangeUndoRedo(out, "sort all rows by a text column", document,
                       [&] { sortByName(document, false); });
    timeChangeUndoRedo(out, "sort all rows comparing numbers", document,
                       [&] { sortByName(document, true); });
    document.selectRowIndexes(IndexSet::fromRange(0, qint64(document.rowArrays().size())), false);
    timeChangeUndoRedo(out, "rotate every row right", document,
                       [&] { CSVShiftContent::rotateContent(document, 1); });
}

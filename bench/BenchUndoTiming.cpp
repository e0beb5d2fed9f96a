#include "BenchUndoTiming.h"
#include "Measurement.h"

#include "document/CSVDocument.h"

#include <QTextStream>

void timeChangeUndoRedo(QTextStream &out, const char *label, CSVDocument &document,
                        const std::function<void()> &change)
{
    UndoManager &undo = document.undoManager();
    Measurement measurement;
    {
        UndoGroup group(undo);
        change();
    }
    out << label << ": " << measurement.secondsWithCpu() << ", rows "
        << document.rowArrays().size();
    measurement.restart();
    undo.undo();
    out << "; undo " << measurement.secondsWithCpu() << ", rows " << document.rowArrays().size();
    measurement.restart();
    undo.redo();
    out << "; redo " << measurement.secondsWithCpu() << ", rows " << document.rowArrays().size()
        << '\n';
    undo.undo();
}

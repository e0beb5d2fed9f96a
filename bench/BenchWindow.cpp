#include "BenchCommands.h"
#include "BenchDocumentArgument.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "ui/CSVTableView.h"
#include "ui/DocumentWindow.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QTextStream>

namespace {

// Waits in the event loop until the table has painted a frame.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget *viewport) { viewport->installEventFilter(this); }

    void waitForPaint()
    {
        m_painted = false;
        while (!m_painted)
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    bool m_painted = false;
};

} // namespace

// Opens a file in a document window (offscreen) and times what the user waits for: from the
// rows read to the first frame of the table, and a jump to the last row.
int windowCommand(const QStringList &arguments)
{
    Measurement measurement;
    int exitCode = 0;
    const std::unique_ptr<CSVDocument> document =
        readDocumentArgument(arguments, "window", exitCode);
    if (!document)
        return exitCode;
    QTextStream out(stdout);
    out << "read " << document->rowArrays().size() << " rows in " << measurement.seconds()
        << " s\n";

    measurement.restart();
    DocumentWindow window(*document);
    PaintWatcher watcher(window.tableView()->viewport());
    window.show();
    watcher.waitForPaint();
    out << "rows read to first painted frame: " << measurement.seconds() << " s\n";

    measurement.restart();
    QScrollBar *scrollBar = window.tableView()->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
    watcher.waitForPaint();
    out << "scroll to the last row, painted: " << measurement.seconds() << " s\n";

    measurement.restart();
    window.tableView()->selectAll();
    watcher.waitForPaint();
    out << "select all rows, painted: " << measurement.seconds() << " s\n";
    out << "peak memory " << Measurement::megabytes(Measurement::peakMemoryBytes()) << '\n';
    return 0;
}

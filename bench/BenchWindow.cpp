#include "BenchCommands.h"
#include "BenchDocumentArgument.h"
#include "BenchIndexSets.h"
#include "Measurement.h"

#include "app/FactoryDefaults.h"
#include "document/CSVDocument.h"
#include "document/commands/CSVSelectionCommands.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "ui/CSVTableView.h"
#include "ui/DocumentWindow.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>
#include <functional>

namespace {

// Waits in the event loop until the table has painted a frame.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget *viewport) : m_viewport(viewport)
    {
        viewport->installEventFilter(this);
    }

    void update() { m_viewport->update(); }

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
    QWidget *m_viewport;
    bool m_painted = false;
};

// Times a change from the moment it is made to the table's next frame. The table is asked to
// paint whatever the change did: a scroll that cannot move (every row fits) paints nothing by
// itself, and would be waited for forever.
void timeUntilPainted(QTextStream &out, PaintWatcher &watcher, const QString &label,
                      const std::function<void()> &change)
{
    Measurement measurement;
    change();
    watcher.update();
    watcher.waitForPaint();
    out << label << ", painted: " << measurement.seconds() << " s" << Qt::endl;
}

// The selections the table must show at once however many ranges they hold: all rows, every
// other row (what undoing the removal of every other row reselects), its inverse, and none.
void timeSelections(QTextStream &out, PaintWatcher &watcher, CSVDocument &document,
                    CSVTableView &table)
{
    timeUntilPainted(out, watcher, QStringLiteral("select all rows"), [&] { table.selectAll(); });
    const IndexSet scattered = everyOtherRow(document.numberOfRowsInTableView());
    timeUntilPainted(
        out, watcher,
        QStringLiteral("select every other row (%1 ranges)").arg(scattered.ranges().size()),
        [&] { document.selectRowIndexes(scattered, false); });
    timeUntilPainted(out, watcher, QStringLiteral("invert the selection"),
                     [&] { CSVSelectionCommands::invertSelection(document); });
    timeUntilPainted(out, watcher, QStringLiteral("scroll to the middle with it"), [&] {
        QScrollBar *scrollBar = table.verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum() / 2);
    });
    timeUntilPainted(out, watcher, QStringLiteral("deselect all"),
                     [&] { CSVSelectionCommands::deselectAll(document); });
}

struct ScreenfulTime
{
    double wall = 1e9;
    double cpu = 1e9;
};

// Pages down through the table as the user would, painting each screenful at once. The
// processor time of the process shows the work itself when other work shares the machine.
ScreenfulTime timePerScreenful(PaintWatcher &watcher, CSVTableView &table, int screenfuls)
{
    QScrollBar *scrollBar = table.verticalScrollBar();
    scrollBar->setValue(0);
    watcher.waitForPaint();
    const std::clock_t cpuStart = std::clock();
    Measurement measurement;
    for (int page = 1; page <= screenfuls; ++page) {
        scrollBar->setValue(page * scrollBar->pageStep());
        table.viewport()->repaint();
    }
    return {measurement.seconds() / screenfuls,
            double(std::clock() - cpuStart) / CLOCKS_PER_SEC / screenfuls};
}

// The time to paint one screenful with the cells coloured by the factory rules and without
// cell colours: the best of alternating rounds, after a first pass that brings the rows into
// memory.
void timeScreenfuls(QTextStream &out, PaintWatcher &watcher, CSVTableView &table)
{
    constexpr int s_screenfuls = 1000;
    constexpr int s_rounds = 3;
    timePerScreenful(watcher, table, s_screenfuls);
    ScreenfulTime best[2];
    for (int round = 0; round < s_rounds; ++round) {
        for (const bool colored : {true, false}) {
            UserDefaults::standard().setObject(
                QString::fromLatin1(DefaultsKeys::DrawCellBackgroundColor), colored);
            NotificationCenter::defaultCenter().post(QStringLiteral("PrefsChanged"));
            const ScreenfulTime time = timePerScreenful(watcher, table, s_screenfuls);
            best[colored].wall = std::min(best[colored].wall, time.wall);
            best[colored].cpu = std::min(best[colored].cpu, time.cpu);
        }
    }
    for (const bool colored : {true, false}) {
        out << "paint one screenful (" << table.model()->columnCount() << " columns, "
            << table.viewport()->height() / std::max(1, table.rowHeight(0)) << " rows), "
            << (colored ? "cells coloured" : "no cell colours") << ", best of " << s_rounds << " x "
            << s_screenfuls << ": " << best[colored].wall * 1000 << " ms, processor "
            << best[colored].cpu * 1000 << " ms\n";
    }
}

} // namespace

// Opens a file in a document window (offscreen) and times what the user waits for: from the
// rows read to the first frame of the table, a jump to the last row, selections, and paging
// through the table with cell colours and without.
int windowCommand(const QStringList &arguments)
{
    // The window reads the settings: the factory ones, in a scratch store, never the user's.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    FactoryDefaults::registerAll();
    Measurement measurement;
    int exitCode = 0;
    const std::unique_ptr<CSVDocument> document =
        readDocumentArgument(arguments, "window", exitCode);
    if (!document)
        return exitCode;
    QTextStream out(stdout);
    out << "read " << document->rowArrays().size() << " rows of " << document->numberOfColumns()
        << " columns in " << measurement.seconds() << " s, peak memory "
        << Measurement::megabytes(Measurement::peakMemoryBytes()) << Qt::endl;

    measurement.restart();
    DocumentWindow window(*document);
    PaintWatcher watcher(window.tableView()->viewport());
    window.show();
    watcher.waitForPaint();
    out << "rows read to first painted frame: " << measurement.seconds() << " s, peak memory "
        << Measurement::megabytes(Measurement::peakMemoryBytes()) << Qt::endl;

    timeUntilPainted(out, watcher, QStringLiteral("repaint a screenful"), [] {});
    timeUntilPainted(out, watcher, QStringLiteral("scroll to the last row"), [&] {
        QScrollBar *scrollBar = window.tableView()->verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum());
    });
    timeUntilPainted(out, watcher, QStringLiteral("scroll to the last column"), [&] {
        QScrollBar *scrollBar = window.tableView()->horizontalScrollBar();
        scrollBar->setValue(scrollBar->maximum());
    });

    timeSelections(out, watcher, *document, *window.tableView());
    timeScreenfuls(out, watcher, *window.tableView());
    out << "peak memory " << Measurement::megabytes(Measurement::peakMemoryBytes()) << Qt::endl;
    return 0;
}

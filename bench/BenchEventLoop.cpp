#include "BenchCommands.h"
#include "Measurement.h"

#include "app/FactoryDefaults.h"
#include "document/CSVDocument.h"
#include "document/CSVOpenAssistantPreview.h"
#include "foundation/Error.h"
#include "ui/DocumentReadRun.h"
#include "ui/DocumentRereading.h"
#include "ui/DocumentSaving.h"
#include "ui/DocumentWindow.h"
#include "ui/ProgressSheetRun.h"

#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

// Ticks on the main thread as often as the event loop lets it, and keeps the longest time
// between two ticks: how long the windows could not repaint.
class EventLoopGaps : public QObject
{
public:
    EventLoopGaps()
    {
        connect(&m_timer, &QTimer::timeout, this, &EventLoopGaps::tick);
        m_timer.start(1);
        restart();
    }

    void restart()
    {
        m_clock.restart();
        m_last = 0;
        m_longest = 0;
    }

    // In seconds, the gap running now included.
    double longest()
    {
        tick();
        return double(m_longest) / 1e9;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Runs the event loop until the work started calls done.
void runUntilDone(const std::function<void(const std::function<void()> &done)> &start)
{
    QEventLoop loop;
    bool isDone = false;
    start([&] {
        isDone = true;
        loop.quit();
    });
    if (!isDone)
        loop.exec();
}

// Runs the event loop for a while: the table tells its view of a large document's rows in the
// passes after the document arrived.
void idle(int milliseconds)
{
    runUntilDone([milliseconds](const std::function<void()> &done) {
        QTimer::singleShot(milliseconds, done);
    });
}

} // namespace

// Reads FILE as the application opens it (on a worker under the progress window, then the
// document and its window made on the main thread), saves it to OUT as Save does and reverts
// to OUT, while a timer ticks on the main thread; prints the longest gap between two ticks of
// each.
int eventLoopCommand(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: tabwright-bench eventloop FILE OUT\n";
        return 2;
    }
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    FactoryDefaults::registerAll();
    const QString path = arguments[0];
    Error error;
    const auto preview = CSVOpenAssistantPreview::forFile(path, {}, &error);
    if (!preview) {
        err << error.localizedDescription() << '\n';
        return 1;
    }
    const CSVImportExportPreset preset = preview->preset();

    // What the machine alone costs: on a busy one the main thread waits for a processor.
    EventLoopGaps gaps;
    idle(1000);
    out << "idle for 1 s; longest event-loop gap " << gaps.longest() << " s" << Qt::endl;

    gaps.restart();
    Measurement measurement;
    double mainThreadSeconds = 0;
    std::unique_ptr<CSVDocument> document;
    std::unique_ptr<DocumentWindow> window;
    runUntilDone([&](const std::function<void()> &done) {
        DocumentReadRun::start(
            path, preset, nullptr,
            [&, done](std::optional<CSVDocumentReader::Result> result, const Error &readError) {
                const Measurement completion;
                if (result) {
                    document = CSVDocument::withReadResult(path, preset, std::move(*result));
                    window = std::make_unique<DocumentWindow>(*document);
                    window->show();
                } else {
                    err << readError.localizedDescription() << '\n';
                }
                mainThreadSeconds = completion.seconds();
                done();
            });
    });
    if (!document)
        return 1;
    const double readSeconds = measurement.seconds();
    idle(500);
    out << "read " << document->rowArrays().size() << " rows in " << readSeconds
        << " s; longest event-loop gap " << gaps.longest()
        << " s (the document and its window made on the main thread: " << mainThreadSeconds << " s)"
        << Qt::endl;

    document->setFilePath(arguments[1]);
    gaps.restart();
    measurement.restart();
    bool saved = false;
    runUntilDone([&](const std::function<void()> &done) {
        DocumentSaving::saveDocument(*window, [&, done](bool isSaved) {
            saved = isSaved;
            done();
        });
    });
    out << (saved ? "saved in " : "save failed after ") << measurement.seconds()
        << " s; longest event-loop gap " << gaps.longest() << " s" << Qt::endl;
    if (!saved)
        return 1;

    // Revert to what was saved: the old rows go and the table is laid out anew.
    gaps.restart();
    measurement.restart();
    DocumentRereading::revertDocumentToSaved(*window);
    runUntilDone([&](const std::function<void()> &done) {
        auto *poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, [&window, done] {
            if (!ProgressSheetRun::isRunningOn(window.get()))
                done();
        });
        poll->start(1);
    });
    const double revertSeconds = measurement.seconds();
    idle(500);
    out << "reverted in " << revertSeconds << " s; longest event-loop gap " << gaps.longest()
        << " s" << Qt::endl;
    window.reset();
    return 0;
}

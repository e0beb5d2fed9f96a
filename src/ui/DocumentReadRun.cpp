#include "DocumentReadRun.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNOperationQueue.h"
#include "kit/ZRNProgressDescriptor.h"
#include "kit/ZRNProgressWindowController.h"

#include <QCoreApplication>
#include <QFileInfo>

void DocumentReadRun::start(const QString &path, const CSVImportExportPreset &preset,
                            Completion completion)
{
    const qint64 size = QFileInfo(path).size();
    if (size < s_progressThreshold) {
        Error error;
        std::optional<CSVDocumentReader::Result> result =
            CSVDocumentReader::read(path, preset, &error);
        completion(std::move(result), error);
        return;
    }
    auto *run = new DocumentReadRun(std::move(completion));
    run->begin(path, preset, size);
}

DocumentReadRun::DocumentReadRun(Completion completion)
    : QObject(QCoreApplication::instance()), m_completion(std::move(completion))
{}

// The outcome is read only once the queue has drained.
void DocumentReadRun::begin(const QString &path, const CSVImportExportPreset &preset, qint64 size)
{
    m_progressWindowController = new ZRNProgressWindowController(this);
    ZRNProgressDescriptor *item = m_progressWindowController->setupAsDeterminate(
        localized("LSReadingFile").arg(QFileInfo(path).fileName()), 0, double(size), 0, true);
    auto outcome = std::make_shared<Outcome>();
    m_progressWindowController->operationQueue()->addOperation([outcome, path, preset, item] {
        const auto progress = [item](qint64 bytesRead) {
            item->setCurrentValue(double(bytesRead));
            return !item->isCancelled();
        };
        outcome->result = CSVDocumentReader::read(path, preset, &outcome->error, {}, progress);
    });
    const auto done = [this, outcome](bool) {
        m_completion(std::move(outcome->result), outcome->error);
        deleteLater();
    };
    m_progressWindowController->showProgressWindowWithCompletionHandler(done);
}

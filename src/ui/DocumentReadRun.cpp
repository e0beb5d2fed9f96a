#include "DocumentReadRun.h"

#include "ProgressSheetRun.h"

#include "foundation/LocalizedStrings.h"

#include <QFileInfo>

#include <memory>

namespace {

CSVDocumentReader::Result cancelledRead()
{
    CSVDocumentReader::Result result;
    result.cancelled = true;
    return result;
}

// What the worker fills; read only once the worker has returned. Until it has run, the read
// counts as cancelled: Cancel may come before the worker began.
struct Outcome
{
    std::optional<CSVDocumentReader::Result> result = cancelledRead();
    Error error;
};

} // namespace

void DocumentReadRun::start(const QString &path, const CSVImportExportPreset &preset,
                            QWidget *window, Completion completion)
{
    const qint64 size = QFileInfo(path).size();
    auto outcome = std::make_shared<Outcome>();
    ProgressSheetRun::start(
        window, localized("LSReadingFile").arg(QFileInfo(path).fileName()), double(size),
        size >= s_progressThreshold,
        [outcome, path, preset](const ProgressSheetRun::Progress &progress) {
            outcome->result = CSVDocumentReader::read(
                path, preset, &outcome->error, {},
                [&progress](qint64 bytesRead) { return progress(double(bytesRead)); });
        },
        [outcome, completion = std::move(completion)](bool) {
            completion(std::move(outcome->result), outcome->error);
        });
}

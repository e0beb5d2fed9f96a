#include "DocumentSaving.h"

#include "DocumentWindow.h"
#include "ProgressSheetRun.h"
#include "SavePanel.h"

#include "document/CSVDocument.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"

#include <QFileInfo>
#include <QPointer>

#include <memory>

namespace {

// What the worker fills; read only once the worker has returned.
struct Outcome
{
    bool written = false;
    Error error;
};

} // namespace

void DocumentSaving::saveDocument(DocumentWindow &window, Done done)
{
    // A read-only document (rows read only in part, or ragged rows kept as they are) is never
    // written over its own file unasked: the user chooses where.
    const QString path = window.document().filePath();
    if (path.isEmpty() || !window.document().isEditable()) {
        saveDocumentAs(window, std::move(done));
        return;
    }
    saveToURL(window, path, alertFailure, std::move(done));
}

void DocumentSaving::autosaveDocument(DocumentWindow &window)
{
    saveToURL(window, window.document().filePath(), logFailure, {});
}

void DocumentSaving::saveDocumentAs(DocumentWindow &window, Done done)
{
    QPointer<DocumentWindow> guarded(&window);
    SavePanel::begin(window.document(), window.displayName(), &window,
                     [guarded, done](const QString &path) {
                         if (guarded && !path.isEmpty())
                             saveToURL(*guarded, path, alertFailure, done);
                         else if (done)
                             done(false);
                     });
}

// The sheet keeps the user from changing the document while the worker writes it. A save the
// user cancelled says nothing: the file is as it was.
void DocumentSaving::saveToURL(DocumentWindow &window, const QString &path, Failed failed,
                               Done done)
{
    const CSVDocument &document = window.document();
    const qint64 rows =
        qint64(document.rowArrays().size()) + (document.exportPreset().firstRowIsHeader() ? 1 : 0);
    auto outcome = std::make_shared<Outcome>();
    QPointer<DocumentWindow> guarded(&window);
    ProgressSheetRun::start(
        &window, localized("LSSavingFile").arg(QFileInfo(path).fileName()), double(rows),
        rows * document.numberOfColumns() >= s_progressCells,
        [&document, path, outcome](const ProgressSheetRun::Progress &progress) {
            outcome->written =
                document.writeToURL(path, &outcome->error, [&progress](qsizetype rowsWritten) {
                    return progress(double(rowsWritten));
                });
        },
        [guarded, path, outcome, failed, done](bool cancelled) {
            // Written in full before Cancel reached the worker: the file is saved all the same.
            const bool saved = guarded && outcome->written;
            if (saved)
                guarded->document().didSaveToURL(path);
            else if (guarded && !cancelled)
                failed(*guarded, path, outcome->error);
            if (done)
                done(saved);
        });
}

void DocumentSaving::alertFailure(DocumentWindow &window, const QString &, const Error &error)
{
    ZRNAlert::inform(&window, localized("LSASaveFailedTitle"), error.localizedDescription(), {});
}

void DocumentSaving::logFailure(DocumentWindow &, const QString &path, const Error &error)
{
    qWarning("Warning: autosave of %s failed: %s", qPrintable(QFileInfo(path).fileName()),
             qPrintable(error.localizedDescription()));
}

#include "DocumentRereading.h"

#include "DocumentReadRun.h"
#include "DocumentWindow.h"

#include "document/CSVDocument.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"

#include <QPointer>

#include <functional>

namespace {

// Takes what was read into the document, on the main thread.
using Apply = std::function<void(CSVDocument &, CSVDocumentReader::Result)>;

// The document stays as it is until the file has been read in full; a cancelled read leaves it
// so.
void reread(DocumentWindow &window, const QString &question, const char *messageKey,
            const CSVImportExportPreset &preset, Apply apply)
{
    QPointer<DocumentWindow> guarded(&window);
    const auto run = [guarded, preset, apply = std::move(apply)] {
        if (!guarded)
            return;
        const auto completion = [guarded, apply](std::optional<CSVDocumentReader::Result> result,
                                                 const Error &error) {
            if (!guarded)
                return;
            if (!result)
                ZRNAlert::inform(guarded, localized("LSOpenFailedTitle"),
                                 error.localizedDescription(), {});
            else if (!result->cancelled)
                apply(guarded->document(), std::move(*result));
        };
        DocumentReadRun::start(guarded->document().filePath(), preset, guarded, completion);
    };
    if (!window.document().hasUnsavedChanges()) {
        run();
        return;
    }
    ZRNAlert::confirm(&window, question, localized(messageKey), false, [run](bool confirmed, bool) {
        if (confirmed)
            run();
    });
}

} // namespace

void DocumentRereading::revertDocumentToSaved(DocumentWindow &window)
{
    reread(window, localized("LSARevertTitle").arg(window.displayName()), "LSARevertMsg",
           window.document().importPreset(),
           [](CSVDocument &document, CSVDocumentReader::Result result) {
               document.revertWithReadResult(document.filePath(), std::move(result));
           });
}

void DocumentRereading::reopenWithEncoding(DocumentWindow &window, StringEncoding encoding)
{
    reread(window, localized("LSAReopenDiscardsTitle"), "LSAReopenDiscardsMsg",
           window.document().importPresetWithEncoding(encoding),
           [encoding](CSVDocument &document, CSVDocumentReader::Result result) {
               document.reopenWithReadResult(encoding, std::move(result));
           });
}

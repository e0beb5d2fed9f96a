#include "DocumentRereading.h"

#include "DocumentWindow.h"

#include "document/CSVDocument.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"

#include <QPointer>

#include <functional>

namespace {

using Read = std::function<bool(CSVDocument &, Error *)>;

void reread(DocumentWindow &window, const QString &question, const char *messageKey, Read read)
{
    QPointer<DocumentWindow> guarded(&window);
    const auto run = [guarded, read = std::move(read)] {
        if (!guarded)
            return;
        Error error;
        if (!read(guarded->document(), &error))
            ZRNAlert::inform(guarded, localized("LSOpenFailedTitle"), error.localizedDescription(),
                             {});
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
           [](CSVDocument &document, Error *error) {
               return document.revertToContentsOfURL(document.filePath(), error);
           });
}

void DocumentRereading::reopenWithEncoding(DocumentWindow &window, StringEncoding encoding)
{
    reread(window, localized("LSAReopenDiscardsTitle"), "LSAReopenDiscardsMsg",
           [encoding](CSVDocument &document, Error *error) {
               return document.reopenWithEncoding(encoding, error);
           });
}

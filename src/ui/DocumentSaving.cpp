#include "DocumentSaving.h"

#include "DocumentWindow.h"
#include "SavePanel.h"

#include "document/CSVDocument.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"

#include <QPointer>

void DocumentSaving::saveDocument(DocumentWindow &window, Done done)
{
    // A read-only document (rows read only in part, or ragged rows kept as they are) is never
    // written over its own file unasked: the user chooses where.
    const QString path = window.document().filePath();
    if (path.isEmpty() || !window.document().isEditable()) {
        saveDocumentAs(window, std::move(done));
        return;
    }
    const bool saved = saveToURL(window, path);
    if (done)
        done(saved);
}

void DocumentSaving::saveDocumentAs(DocumentWindow &window, Done done)
{
    QPointer<DocumentWindow> guarded(&window);
    SavePanel::begin(window.document(), window.displayName(), &window,
                     [guarded, done](const QString &path) {
                         const bool saved = guarded && !path.isEmpty() && saveToURL(*guarded, path);
                         if (done)
                             done(saved);
                     });
}

bool DocumentSaving::saveToURL(DocumentWindow &window, const QString &path)
{
    Error error;
    if (window.document().saveToURL(path, &error))
        return true;
    ZRNAlert::inform(&window, localized("LSASaveFailedTitle"), error.localizedDescription(), {});
    return false;
}

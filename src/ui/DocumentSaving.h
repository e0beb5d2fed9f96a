#pragma once

#include <QString>

#include <functional>

class DocumentWindow;

// Saving a window's document as the user asks for it: Save writes to the document's own file
// (asking for one the first time), Save As always asks, through the save panel. A save that
// fails is shown as an alert naming the file and the reason; the document then keeps its
// unsaved changes.
class DocumentSaving
{
public:
    // done, when given, learns whether the document was saved.
    using Done = std::function<void(bool saved)>;

    static void saveDocument(DocumentWindow &window, Done done = {});
    static void saveDocumentAs(DocumentWindow &window, Done done = {});

private:
    static bool saveToURL(DocumentWindow &window, const QString &path);
};

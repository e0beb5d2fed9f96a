#pragma once

#include <QString>

#include <functional>

class DocumentWindow;

// Saving a window's document as the user asks for it: Save writes to the document's own file
// (asking for one the first time), Save As always asks, through the save panel. A large
// document is written on a worker under a progress sheet with Cancel. A save that fails is
// shown as an alert naming the file and the reason; the document then keeps its unsaved
// changes, as it does after a cancelled save, which leaves the file as it was.
class DocumentSaving
{
public:
    // done, when given, learns whether the document was saved.
    using Done = std::function<void(bool saved)>;
    // Fewer cells than this are written in a blink: no sheet.
    static constexpr qint64 s_progressCells = 1'000'000;

    static void saveDocument(DocumentWindow &window, Done done = {});
    static void saveDocumentAs(DocumentWindow &window, Done done = {});

private:
    static void saveToURL(DocumentWindow &window, const QString &path, Done done);
};

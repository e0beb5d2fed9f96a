#pragma once

#include <QString>

#include <functional>

class DocumentWindow;
class Error;

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
    // Writes the document over its own file as Save does, but never asks anything: a failed
    // autosave is only logged, and a cancelled one waits for the next round.
    static void autosaveDocument(DocumentWindow &window);

private:
    using Failed = void (*)(DocumentWindow &window, const QString &path, const Error &error);

    static void saveToURL(DocumentWindow &window, const QString &path, Failed failed, Done done);
    static void alertFailure(DocumentWindow &window, const QString &path, const Error &error);
    static void logFailure(DocumentWindow &window, const QString &path, const Error &error);
};

#pragma once

#include "csv/StringEncoding.h"

class DocumentWindow;

// Reading a window's document from its file again, as the user asks for it: Revert to Saved,
// and reopening in another encoding. Either replaces the rows, so unsaved changes are only
// thrown away once the user has said so. A file that cannot be opened is shown as opening shows
// it, and the document keeps its rows and changes; a file that stops reading part way is told by
// the window, as after opening.
class DocumentRereading
{
public:
    static void revertDocumentToSaved(DocumentWindow &window);
    static void reopenWithEncoding(DocumentWindow &window, StringEncoding encoding);
};

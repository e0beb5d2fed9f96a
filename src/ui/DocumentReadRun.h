#pragma once

#include "document/CSVDocumentReader.h"

#include <functional>
#include <optional>

class QWidget;

// Reads a file for a document. A large file is read on a worker while a progress window shows
// how many of its bytes were read, and the windows keep drawing; Cancel stops the read. The
// window is a sheet on the document window the file is read for, or modal for the whole
// application when it is read for a new document. A small file is read at once.
class DocumentReadRun
{
public:
    // Smaller files read in a blink: no sheet.
    static constexpr qint64 s_progressThreshold = 16 * 1024 * 1024;

    // Called on the main thread with what the reader gave: nothing and the error when the file
    // could not be opened; a result marked cancelled when the user cancelled.
    using Completion =
        std::function<void(std::optional<CSVDocumentReader::Result> result, const Error &error)>;

    static void start(const QString &path, const CSVImportExportPreset &preset, QWidget *window,
                      Completion completion);
};

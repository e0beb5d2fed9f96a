#pragma once

#include "document/CSVDocumentReader.h"

#include <QObject>

#include <functional>
#include <memory>

class ZRNProgressWindowController;

// Reads a file for a new document. A large file is read on a worker while an application-modal
// progress window shows how many of its bytes were read, and the windows keep drawing; Cancel
// stops the read. A small file is read at once.
class DocumentReadRun : public QObject
{
    Q_OBJECT

public:
    // Smaller files read in a blink: no sheet.
    static constexpr qint64 s_progressThreshold = 16 * 1024 * 1024;

    // Called on the main thread with what the reader gave: nothing and the error when the file
    // could not be opened; a result marked cancelled when the user cancelled.
    using Completion =
        std::function<void(std::optional<CSVDocumentReader::Result> result, const Error &error)>;

    static void start(const QString &path, const CSVImportExportPreset &preset,
                      Completion completion);

private:
    explicit DocumentReadRun(Completion completion);
    void begin(const QString &path, const CSVImportExportPreset &preset, qint64 size);

    // What the worker fills; it may outlive the run when its window closes.
    struct Outcome
    {
        std::optional<CSVDocumentReader::Result> result;
        Error error;
    };

    Completion m_completion;
    ZRNProgressWindowController *m_progressWindowController = nullptr;
};

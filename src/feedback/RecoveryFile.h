#pragma once

#include "document/CSVImportExportPreset.h"
#include "document/CSVRow.h"
#include "document/CSVTableColumns.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class CSVDocument;
class Error;

// The recovery copy of a document with unsaved changes: its rows exactly as they are (every
// cell, hidden ones too, in UTF-8), its presets, its file, its title and its columns. A copy is
// taken on the main thread and written on a worker; it never touches the user's file.
class RecoveryFile
{
public:
    // A copy of the document as it is now; later changes do not reach it.
    static RecoveryFile snapshot(const CSVDocument &document, const QString &title);
    // Writes the copy to the path, atomically: a copy that was there stays until the new one
    // is complete.
    bool write(const QString &path, Error *error) const;
    static std::optional<RecoveryFile> read(const QString &path, Error *error);

    // An unsaved document, tied to the file the copy was taken from, holding what the copy
    // holds. The columns go in once the document has its window (applyColumns).
    std::unique_ptr<CSVDocument> makeDocument() const;
    void applyColumns(CSVDocument &document) const;

    const QString &filePath() const { return m_filePath; }
    const QString &title() const { return m_title; }

private:
    QString m_filePath;
    QString m_title;
    CSVImportExportPreset m_importPreset;
    CSVImportExportPreset m_exportPreset;
    qint64 m_numberOfColumns = 0;
    std::vector<CSVTableColumn> m_columns;
    std::vector<CSVRow> m_rows;
};

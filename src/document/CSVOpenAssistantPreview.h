#pragma once

#include "CSVImportExportPreset.h"
#include "CSVRow.h"

#include <QStringList>

#include <memory>

class Error;

// What the open assistant shows of a file before it is opened, without any widget: the file's
// encoding and separator guessed, the user's other choices, and the first rows read under them.
// The choices are the assistant's controls; the preset the file is then read with takes the
// line ending the file was found to use rather than the one chosen.
class CSVOpenAssistantPreview
{
public:
    // At most this many rows are read: a header and 50 rows below it.
    static constexpr qsizetype MaximumRows = 51;
    // And at most this many bytes: a file without line breaks is not read to its end.
    static constexpr qint64 MaximumBytes = 1 << 20;
    // A header cell this long or longer is cut to TitleLength characters as a column title.
    static constexpr qsizetype LongTitleLength = 257;
    static constexpr qsizetype TitleLength = 100;

    // The preview of the file with defaults as the starting choices, its guessed encoding,
    // separator and backslash escapes overriding theirs; a file opened or saved before starts
    // with the choices it was last read or written with instead. Nothing, and an error naming
    // the file and the reason, when the file cannot be opened.
    static std::unique_ptr<CSVOpenAssistantPreview>
    forFile(const QString &path, const CSVImportExportPreset &defaults, Error *error);

    // The user's last confirmed choices, and storing new ones (only when the user confirms).
    static CSVImportExportPreset defaultChoices();
    static void storeDefaultChoices(const CSVImportExportPreset &choices);

    const QString &path() const { return m_path; }
    const CSVImportExportPreset &choices() const { return m_choices; }
    // Takes the choices, and reads the preview again when one that changes what is read changed
    // (encoding, separator, header, trimming); answers whether it did.
    bool setChoices(const CSVImportExportPreset &choices);

    // The rows read, without the header row when the first row is a header.
    const CSVRowList &rows() const { return m_rows; }
    // The longest row's length, the header row included.
    qint64 numberOfColumns() const { return m_numberOfColumns; }
    QStringList columnTitles() const;
    // The cell, or the text that marks a cell missing from a short row.
    QString cell(qsizetype row, qsizetype column) const;
    // Part of the text read could not be decoded in the chosen encoding.
    bool encodingErrorOccurred() const { return m_encodingErrorOccurred; }
    // The line-ending type of the file's first line break, or the not-found index; the choices
    // take it as their line ending when there is one.
    qint64 detectedLineEnd() const { return m_detectedLineEnd; }

    // The preset the file is read with.
    CSVImportExportPreset preset() const;

private:
    CSVOpenAssistantPreview(const QString &path, const CSVImportExportPreset &choices);
    static bool usesBackslashEscapes(const QString &path, CSVImportExportPreset choices);
    void load();

    QString m_path;
    CSVImportExportPreset m_choices;
    CSVRowList m_rows;
    CSVRowPtr m_firstRow;
    qint64 m_numberOfColumns = 0;
    qint64 m_detectedLineEnd = 0;
    bool m_encodingErrorOccurred = false;
};

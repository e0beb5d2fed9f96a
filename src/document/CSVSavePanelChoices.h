#pragma once

#include "CSVImportExportPreset.h"

#include <QString>

// What the save panel's accessory shows and edits: the export preset's encoding, separator,
// line ending, header record and quoting. Trimming only applies to reading and is not offered.
struct CSVSavePanelChoices
{
    StringEncoding encoding = StringEncodings::UTF8;
    qint64 separatorType = CSVImportExportPreset::Comma;
    qint64 lineEndingType = CSVImportExportPreset::CRLF;
    bool firstRowIsHeader = false;
    bool forceQuotes = false;

    static CSVSavePanelChoices fromPreset(const CSVImportExportPreset &preset);
    void applyTo(CSVImportExportPreset &preset) const;

    // The name the panel proposes for a document: its name with ".csv", or ".tsv" for a tab
    // separator, in place of an extension of the table files the product reads.
    static QString proposedFileName(const QString &documentName, qint64 separatorType);

    bool operator==(const CSVSavePanelChoices &) const = default;
};

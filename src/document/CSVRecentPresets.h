#pragma once

#include "CSVImportExportPreset.h"

#include <QString>

#include <optional>

// How the files opened or saved last were read or written, kept with the Open Recent list: a
// file this program wrote reopens in the encoding and separator it was written in, whatever a
// guess from its bytes would say.
class CSVRecentPresets
{
public:
    // At most this many files are remembered, the newest first.
    static constexpr qsizetype Limit = 10;

    static void remember(const QString &path, const CSVImportExportPreset &preset);
    static std::optional<CSVImportExportPreset> presetFor(const QString &path);
    static void clear();
};

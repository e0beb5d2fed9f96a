#pragma once

#include "CSVImportExportPreset.h"
#include "CSVReadFailure.h"
#include "CSVRowBuilder.h"

#include "csv/ZRNCSVParserDelegate.h"

#include "foundation/Error.h"

#include <optional>

// Reads the rows of one file through the parser: a blank line gives no row, every other line
// one row of its fields. Knows the shortest and longest row, and how a read that stopped part
// way failed.
class CSVDocumentReader : public ZRNCSVParserDelegate
{
public:
    struct Result
    {
        CSVRowList rows;
        qint64 shortest = 0;
        qint64 longest = 0;
        std::optional<CSVReadFailure> failure;
        // The line-ending type of the first line break, or the not-found index.
        qint64 lineEnd = 0;

        bool isRagged() const { return rows.empty() || shortest != longest; }
    };

    static constexpr qsizetype NoRowLimit = -1;

    // Reads with the preset's encoding, separator and trimming, the whole file or its first
    // rowLimit rows. A file that cannot be opened (missing, unreadable, a folder) answers nothing
    // and an error naming it and the reason.
    static std::optional<Result> read(const QString &path, const CSVImportExportPreset &preset,
                                      Error *error, qsizetype rowLimit = NoRowLimit);

    // Whether the file can be opened for reading; if not, false and the error read() gives.
    static bool checkReadable(const QString &path, Error *error);
    // Fills error with the failure to open the file for the reason; answers false.
    static bool reportCannotOpen(const QString &path, const QString &reason, Error *error);

    static QString errorDomain();
    enum ErrorCode : qint64 { CannotOpenFile = 1, ReadFailed = 2 };

private:
    void parserDidStartDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidStartLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidReadField(ZRNCSVParser &parser, QStringView field) override;
    void parserDidEndLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidEndDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidFailWithError(ZRNCSVParser &parser, const Error &error) override;

    Result m_result;
    qsizetype m_rowLimit = NoRowLimit;
    CSVRowBuilder m_row;
    CSVRowSlabs m_slabs;
    Error m_failure;
};

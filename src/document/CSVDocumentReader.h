#pragma once

#include "CSVImportExportPreset.h"
#include "CSVReadFailure.h"
#include "CSVRowBuilder.h"

#include "csv/ZRNCSVParserDelegate.h"

#include "foundation/Error.h"

#include <functional>
#include <limits>
#include <optional>

// Reads the rows of one file through the parser: a blank line gives no row, every other line
// (one of a single quoted empty field too) one row of its fields. In a file of one column a blank
// line between rows is a row of one empty cell: that is how other programs write an empty value
// there, and dropping it would shift every value below. Knows the shortest and longest row, and
// how a read that stopped part way failed.
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
        // The progress asked to stop: the rows are only those before.
        bool cancelled = false;

        bool isRagged() const { return rows.empty() || shortest != longest; }
    };

    // How much of the file is read: all of it, or the first rows up to a number of them and of
    // bytes, whichever comes first.
    struct Limit
    {
        qsizetype rows = -1;
        qint64 bytes = std::numeric_limits<qint64>::max();
    };
    // Asked every few thousand rows with the bytes read so far, on the reading thread;
    // answering false stops the read.
    using Progress = std::function<bool(qint64 bytesRead)>;

    // Reads with the preset's encoding, separator, trimming and escapes. A file that cannot be
    // opened (missing, unreadable, a folder, anything but a regular file) answers nothing and an
    // error naming it and the reason.
    static std::optional<Result> read(const QString &path, const CSVImportExportPreset &preset,
                                      Error *error, Limit limit, Progress progress = {});
    static std::optional<Result> read(const QString &path, const CSVImportExportPreset &preset,
                                      Error *error)
    {
        return read(path, preset, error, Limit());
    }

    // Whether the file can be opened for reading; if not, false and the error read() gives. A
    // pipe or a device is refused without opening it: it might never end, or never answer.
    static bool checkReadable(const QString &path, Error *error);
    // Fills error with the failure to open the file for the reason; answers false.
    static bool reportCannotOpen(const QString &path, const QString &reason, Error *error);

    static QString errorDomain();
    enum ErrorCode : qint64 { CannotOpenFile = 1, ReadFailed = 2 };

private:
    // How the parse failed, if it did; an unclosed quotation mark counts as a failure too: the
    // rest of the file went into one cell.
    static std::optional<CSVReadFailure> failureOf(const ZRNCSVParser &parser, const Error &failure,
                                                   qint64 rowsRead, StringEncoding encoding);

    void parserDidStartDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidStartLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidReadField(ZRNCSVParser &parser, QStringView field) override;
    void parserDidEndLine(ZRNCSVParser &parser, qint64 line) override;
    void parserDidEndDocument(ZRNCSVParser &parser, const QString &csvFile) override;
    void parserDidFailWithError(ZRNCSVParser &parser, const Error &error) override;

    void makeRoomForTheRest(qint64 bytesRead);
    void noteBlankLine();
    // Puts the blank lines noted between the rows of a one-column file back as empty rows.
    void keepBlankLinesOfOneColumn();

    Result m_result;
    qsizetype m_rowLimit = -1;
    // The bytes the read will go through at most: the file's size, or the limit.
    qint64 m_bytesToRead = 0;
    Progress m_progress;
    CSVRowBuilder m_row;
    CSVRowSlabs m_slabs;
    Error m_failure;
    // Where the blank lines stood among the rows, while no row has more than one cell.
    std::vector<size_t> m_blankLines;
};

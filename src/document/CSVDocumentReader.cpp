#include "CSVDocumentReader.h"

#include "csv/ZRNCSVParser.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/NotFound.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>

QString CSVDocumentReader::errorDomain()
{
    return QStringLiteral("TabwrightDocumentErrorDomain");
}

// The parser's own open error says only that it failed; this one says which file and why.
bool CSVDocumentReader::checkReadable(const QString &path, Error *error)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return reportCannotOpen(path, localized("LSReadIsAFolder"), error);
        if (!S_ISREG(status.st_mode))
            return reportCannotOpen(path, localized("LSReadNotRegularFile"), error);
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) || reportCannotOpen(path, file.errorString(), error);
}

bool CSVDocumentReader::reportCannotOpen(const QString &path, const QString &reason, Error *error)
{
    Error::report(error, Error(errorDomain(), CannotOpenFile,
                               localized("LSReadOpenFailed").arg(path, reason)));
    return false;
}

namespace {

constexpr size_t s_progressRows = 4096;
// Enough rows that the bytes they took say how many the file holds.
constexpr size_t s_estimateAfterRows = 65536;

} // namespace

std::optional<CSVDocumentReader::Result>
CSVDocumentReader::read(const QString &path, const CSVImportExportPreset &preset, Error *error,
                        Limit limit, Progress progress)
{
    if (!checkReadable(path, error))
        return std::nullopt;
    Error parserError;
    std::unique_ptr<ZRNCSVParser> parser =
        ZRNCSVParser::withContentsOfCSVFile(path, preset.stringEncoding(), &parserError);
    if (!parser) {
        reportCannotOpen(path, parserError.localizedDescription(), error);
        return std::nullopt;
    }
    CSVDocumentReader reader;
    reader.m_rowLimit = limit.rows;
    reader.m_bytesToRead = std::min(QFileInfo(path).size(), limit.bytes);
    reader.m_progress = std::move(progress);
    parser->setByteLimit(limit.bytes);
    parser->setParserDelegate(&reader);
    parser->setSeparatorType(preset.separatorType());
    parser->setTrimSpaces(preset.trimSpaces());
    parser->setBackslashEscapes(preset.backslashEscapes());
    parser->parse();
    reader.keepBlankLinesOfOneColumn();

    Result &result = reader.m_result;
    result.lineEnd = parser->detectedLineEnd();
    result.failure =
        failureOf(*parser, reader.m_failure, qint64(result.rows.size()), preset.stringEncoding());
    return std::move(result);
}

std::optional<CSVReadFailure> CSVDocumentReader::failureOf(const ZRNCSVParser &parser,
                                                           const Error &failure, qint64 rowsRead,
                                                           StringEncoding encoding)
{
    if (!failure.isNull() || parser.encodingErrorOccured()) {
        const auto kind =
            parser.encodingErrorOccured() ? CSVReadFailure::Undecodable : CSVReadFailure::ReadError;
        return CSVReadFailure{kind,
                              rowsRead,
                              encoding,
                              parser.textLine(),
                              parser.bytesDecoded(),
                              failure.localizedDescription()};
    }
    if (parser.unclosedQuoteLine() != NotFound)
        return CSVReadFailure{
            CSVReadFailure::UnclosedQuote, rowsRead, encoding, parser.unclosedQuoteLine(),
            parser.bytesDecoded(),         {}};
    return std::nullopt;
}

void CSVDocumentReader::parserDidStartDocument(ZRNCSVParser &, const QString &)
{
    m_row.clear();
}

void CSVDocumentReader::parserDidStartLine(ZRNCSVParser &, qint64)
{
    m_row.clear();
}

void CSVDocumentReader::parserDidReadField(ZRNCSVParser &, QStringView field)
{
    m_row.appendField(field);
}

void CSVDocumentReader::parserDidEndLine(ZRNCSVParser &parser, qint64)
{
    if (parser.isBlankLine()) {
        noteBlankLine();
        return;
    }
    const qint64 length = m_row.count();
    if (length > 1 && !m_blankLines.empty())
        std::vector<size_t>().swap(m_blankLines);
    for (qint64 blank = parser.blankLinesBefore(); length == 1 && blank > 0; --blank)
        noteBlankLine();
    if (m_result.rows.empty()) {
        m_result.shortest = m_result.longest = length;
    } else {
        m_result.shortest = std::min(m_result.shortest, length);
        m_result.longest = std::max(m_result.longest, length);
    }
    if (m_result.rows.size() == m_result.rows.capacity())
        makeRoomForTheRest(parser.bytesDecoded());
    m_result.rows.push_back(m_row.makeRow(m_slabs));
    if (qsizetype(m_result.rows.size()) == m_rowLimit)
        parser.cancelParsing();
    if (m_progress && m_result.rows.size() % s_progressRows == 0 &&
        !m_progress(parser.bytesDecoded())) {
        m_result.cancelled = true;
        parser.cancelParsing();
    }
}

// Makes room at once for the rows still to come, at the rate so far and an eighth more. Growing
// by doubling would hold the old list and the new one at once, and the list of ten million rows
// alone takes 160 MB. Room that stays unused costs no memory: its pages are never touched.
void CSVDocumentReader::makeRoomForTheRest(qint64 bytesRead)
{
    CSVRowList &rows = m_result.rows;
    if (rows.size() < s_estimateAfterRows || bytesRead <= 0)
        return;
    const double rowsPerByte = double(rows.size()) / double(bytesRead);
    size_t expected = size_t(rowsPerByte * double(m_bytesToRead) * 1.125) + s_estimateAfterRows;
    if (m_rowLimit >= 0)
        expected = std::min(expected, size_t(m_rowLimit));
    if (expected > rows.size())
        rows.reserve(expected);
}

// Blank lines before the first row are left out, as those after the last row are: they are
// rather the file's framing than empty values.
void CSVDocumentReader::noteBlankLine()
{
    if (!m_result.rows.empty() && m_result.longest <= 1)
        m_blankLines.push_back(m_result.rows.size());
}

void CSVDocumentReader::keepBlankLinesOfOneColumn()
{
    CSVRowList &rows = m_result.rows;
    while (!m_blankLines.empty() && m_blankLines.back() == rows.size())
        m_blankLines.pop_back();
    if (m_blankLines.empty() || m_result.longest != 1)
        return;
    m_row.clear();
    m_row.appendField({});
    CSVRowList kept;
    kept.reserve(rows.size() + m_blankLines.size());
    auto blank = m_blankLines.cbegin();
    for (size_t index = 0; index < rows.size(); ++index) {
        for (; blank != m_blankLines.cend() && *blank == index; ++blank)
            kept.push_back(m_row.makeRow(m_slabs));
        kept.push_back(std::move(rows[index]));
    }
    rows = std::move(kept);
}

void CSVDocumentReader::parserDidEndDocument(ZRNCSVParser &, const QString &)
{
    m_row.clear();
}

// Stopping at the row limit is no failure: the rows asked for were all read.
void CSVDocumentReader::parserDidFailWithError(ZRNCSVParser &, const Error &error)
{
    if (qsizetype(m_result.rows.size()) != m_rowLimit)
        m_failure = error;
}

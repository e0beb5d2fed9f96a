#include "CSVDocumentReader.h"

#include "csv/ZRNCSVParser.h"

#include "foundation/LocalizedStrings.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

QString CSVDocumentReader::errorDomain()
{
    return QStringLiteral("TabwrightDocumentErrorDomain");
}

// The parser's own open error says only that it failed; this one says which file and why.
bool CSVDocumentReader::checkReadable(const QString &path, Error *error)
{
    if (QFileInfo(path).isDir())
        return reportCannotOpen(path, localized("LSReadIsAFolder"), error);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) || reportCannotOpen(path, file.errorString(), error);
}

bool CSVDocumentReader::reportCannotOpen(const QString &path, const QString &reason, Error *error)
{
    Error::report(error, Error(errorDomain(), CannotOpenFile,
                               localized("LSReadOpenFailed").arg(path, reason)));
    return false;
}

std::optional<CSVDocumentReader::Result>
CSVDocumentReader::read(const QString &path, const CSVImportExportPreset &preset, Error *error,
                        qsizetype rowLimit)
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
    reader.m_rowLimit = rowLimit;
    parser->setParserDelegate(&reader);
    parser->setSeparatorType(preset.separatorType());
    parser->setTrimSpaces(preset.trimSpaces());
    parser->parse();

    Result &result = reader.m_result;
    result.lineEnd = parser->detectedLineEnd();
    if (!reader.m_failure.isNull() || parser->encodingErrorOccured()) {
        result.failure = CSVReadFailure{qint64(result.rows.size()), preset.stringEncoding(),
                                        reader.m_failure.localizedDescription()};
    }
    return std::move(result);
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
    if (m_row.isBlankLine())
        return;
    const qint64 length = m_row.count();
    if (m_result.rows.empty()) {
        m_result.shortest = m_result.longest = length;
    } else {
        m_result.shortest = std::min(m_result.shortest, length);
        m_result.longest = std::max(m_result.longest, length);
    }
    m_result.rows.push_back(m_row.makeRow(m_slabs));
    if (qsizetype(m_result.rows.size()) == m_rowLimit)
        parser.cancelParsing();
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

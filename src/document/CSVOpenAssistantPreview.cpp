#include "CSVOpenAssistantPreview.h"

#include "CSVDocumentReader.h"

#include "csv/ZRNCSVParser.h"
#include "csv/ZRNEncodingManager.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotFound.h"
#include "foundation/UserDefaults.h"

#include <algorithm>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

std::unique_ptr<CSVOpenAssistantPreview>
CSVOpenAssistantPreview::forFile(const QString &path, const CSVImportExportPreset &defaults,
                                 Error *error)
{
    if (!CSVDocumentReader::checkReadable(path, error))
        return nullptr;
    CSVImportExportPreset choices = defaults;
    choices.setStringEncoding(ZRNEncodingManager::encodingForFile(path));
    const qint64 separator = ZRNCSVParser::autodetectSeparatorForCSVFile(path);
    if (separator != NotFound)
        choices.setSeparatorType(separator);
    Error parserError;
    auto parser = ZRNCSVParser::withContentsOfCSVFile(path, choices.stringEncoding(), &parserError);
    if (!parser) {
        CSVDocumentReader::reportCannotOpen(path, parserError.localizedDescription(), error);
        return nullptr;
    }
    return std::unique_ptr<CSVOpenAssistantPreview>(
        new CSVOpenAssistantPreview(path, std::move(parser), choices));
}

CSVOpenAssistantPreview::CSVOpenAssistantPreview(const QString &path,
                                                 std::unique_ptr<ZRNCSVParser> parser,
                                                 const CSVImportExportPreset &choices)
    : m_path(path), m_parser(std::move(parser)), m_choices(choices)
{
    m_parser->setParserDelegate(this);
    load();
}

CSVOpenAssistantPreview::~CSVOpenAssistantPreview() = default;

CSVImportExportPreset CSVOpenAssistantPreview::defaultChoices()
{
    const UserDefaults &defaults = UserDefaults::standard();
    CSVImportExportPreset choices(defaults.integerForKey(key(DefaultsKeys::Separator)),
                                  defaults.unsignedIntegerForKey(key(DefaultsKeys::StringEncoding)),
                                  defaults.integerForKey(key(DefaultsKeys::LineEnding)),
                                  defaults.boolForKey(key(DefaultsKeys::FirstRowIsHeader)));
    choices.setTrimSpaces(defaults.boolForKey(key(DefaultsKeys::TrimSpaces)));
    choices.setForceQuotes(defaults.boolForKey(key(DefaultsKeys::ForceQuotes)));
    return choices;
}

void CSVOpenAssistantPreview::storeDefaultChoices(const CSVImportExportPreset &choices)
{
    UserDefaults &defaults = UserDefaults::standard();
    defaults.setObject(key(DefaultsKeys::StringEncoding), choices.stringEncoding());
    defaults.setObject(key(DefaultsKeys::Separator), choices.separatorType());
    defaults.setObject(key(DefaultsKeys::LineEnding), choices.lineEndingType());
    defaults.setObject(key(DefaultsKeys::FirstRowIsHeader), choices.firstRowIsHeader());
    defaults.setObject(key(DefaultsKeys::TrimSpaces), choices.trimSpaces());
    defaults.setObject(key(DefaultsKeys::ForceQuotes), choices.forceQuotes());
}

void CSVOpenAssistantPreview::setEncoding(StringEncoding encoding)
{
    m_choices.setStringEncoding(encoding);
    load();
}

void CSVOpenAssistantPreview::setSeparatorType(qint64 separatorType)
{
    m_choices.setSeparatorType(separatorType);
    load();
}

void CSVOpenAssistantPreview::setFirstRowIsHeader(bool firstRowIsHeader)
{
    m_choices.setFirstRowIsHeader(firstRowIsHeader);
    load();
}

void CSVOpenAssistantPreview::setTrimSpaces(bool trimSpaces)
{
    m_choices.setTrimSpaces(trimSpaces);
    load();
}

void CSVOpenAssistantPreview::load()
{
    m_rows.clear();
    m_firstRow.reset();
    m_parser->setEncoding(m_choices.stringEncoding());
    m_parser->setSeparatorType(m_choices.separatorType());
    m_parser->setTrimSpaces(m_choices.trimSpaces());
    m_parser->parse();
    m_numberOfColumns = 0;
    for (const CSVRowPtr &row : m_rows)
        m_numberOfColumns = std::max<qint64>(m_numberOfColumns, row->count());
    if (!m_rows.empty() && m_choices.firstRowIsHeader()) {
        m_firstRow = std::move(m_rows.front());
        m_rows.erase(m_rows.begin());
    }
}

QStringList CSVOpenAssistantPreview::columnTitles() const
{
    QStringList titles;
    for (qint64 position = 0; position < m_numberOfColumns; ++position) {
        if (!m_firstRow || position >= m_firstRow->count()) {
            titles << QString::number(position + 1);
            continue;
        }
        const QString title = m_firstRow->at(position);
        titles << (title.size() >= LongTitleLength ? title.first(TitleLength) : title);
    }
    return titles;
}

QString CSVOpenAssistantPreview::cell(qsizetype row, qsizetype column) const
{
    const CSVRow &csvRow = *m_rows.at(size_t(row));
    return column < csvRow.count() ? csvRow.at(column) : localized("LSUndefinedContent");
}

bool CSVOpenAssistantPreview::encodingErrorOccurred() const
{
    return m_parser->encodingErrorOccured();
}

qint64 CSVOpenAssistantPreview::detectedLineEnd() const
{
    return m_parser->detectedLineEnd();
}

CSVImportExportPreset CSVOpenAssistantPreview::preset() const
{
    CSVImportExportPreset preset = m_choices;
    preset.setLineEndingType(detectedLineEnd());
    return preset;
}

void CSVOpenAssistantPreview::parserDidStartDocument(ZRNCSVParser &, const QString &)
{
    m_row.clear();
}

void CSVOpenAssistantPreview::parserDidStartLine(ZRNCSVParser &, qint64)
{
    m_row.clear();
}

void CSVOpenAssistantPreview::parserDidReadField(ZRNCSVParser &, QStringView field)
{
    m_row.appendField(field);
}

void CSVOpenAssistantPreview::parserDidEndLine(ZRNCSVParser &parser, qint64)
{
    if (m_row.isBlankLine())
        return;
    m_rows.push_back(m_row.makeRow());
    if (qsizetype(m_rows.size()) >= MaximumRows)
        parser.cancelParsing();
}

void CSVOpenAssistantPreview::parserDidEndDocument(ZRNCSVParser &, const QString &)
{
    m_row.clear();
}

// A preview shows what could be read; the warning sign tells of undecodable text.
void CSVOpenAssistantPreview::parserDidFailWithError(ZRNCSVParser &, const Error &) {}

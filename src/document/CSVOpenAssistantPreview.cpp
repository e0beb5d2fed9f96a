#include "CSVOpenAssistantPreview.h"

#include "CSVDocumentReader.h"
#include "CSVRecentPresets.h"

#include "csv/ZRNCSVParser.h"
#include "csv/ZRNEncodingManager.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotFound.h"
#include "foundation/UserDefaults.h"

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
    if (std::optional<CSVImportExportPreset> remembered = CSVRecentPresets::presetFor(path)) {
        remembered->setForceQuotes(defaults.forceQuotes());
        return std::unique_ptr<CSVOpenAssistantPreview>(
            new CSVOpenAssistantPreview(path, *remembered));
    }
    CSVImportExportPreset choices = defaults;
    choices.setStringEncoding(ZRNEncodingManager::encodingForFile(path));
    const qint64 separator =
        ZRNCSVParser::autodetectSeparatorForCSVFile(path, choices.stringEncoding());
    if (separator != NotFound)
        choices.setSeparatorType(separator);
    choices.setBackslashEscapes(usesBackslashEscapes(path, choices));
    return std::unique_ptr<CSVOpenAssistantPreview>(new CSVOpenAssistantPreview(path, choices));
}

// Backslash-escaped quotation marks ("say \"hi\"") leave a quotation mark open when read as
// spreadsheets read them, and the rest of the file runs into one cell; read with escapes they
// close. A Windows path ("C:\temp\") is the other way round and keeps escapes off.
bool CSVOpenAssistantPreview::usesBackslashEscapes(const QString &path,
                                                   CSVImportExportPreset choices)
{
    const auto leavesQuoteOpen = [&path, &choices](bool backslashEscapes) {
        choices.setBackslashEscapes(backslashEscapes);
        const std::optional<CSVDocumentReader::Result> read =
            CSVDocumentReader::read(path, choices, nullptr, {MaximumRows, MaximumBytes});
        return read && read->failure && read->failure->kind == CSVReadFailure::UnclosedQuote;
    };
    return leavesQuoteOpen(false) && !leavesQuoteOpen(true);
}

CSVOpenAssistantPreview::CSVOpenAssistantPreview(const QString &path,
                                                 const CSVImportExportPreset &choices)
    : m_path(path), m_choices(choices)
{
    load();
}

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

bool CSVOpenAssistantPreview::setChoices(const CSVImportExportPreset &choices)
{
    const CSVImportExportPreset &old = m_choices;
    const bool readsOtherwise = choices.stringEncoding() != old.stringEncoding() ||
                                choices.separatorType() != old.separatorType() ||
                                choices.firstRowIsHeader() != old.firstRowIsHeader() ||
                                choices.trimSpaces() != old.trimSpaces() ||
                                choices.backslashEscapes() != old.backslashEscapes();
    m_choices = choices;
    if (readsOtherwise)
        load();
    return readsOtherwise;
}

// A file that can no longer be read (gone since the assistant opened) shows nothing.
void CSVOpenAssistantPreview::load()
{
    std::optional<CSVDocumentReader::Result> read =
        CSVDocumentReader::read(m_path, m_choices, nullptr, {MaximumRows, MaximumBytes});
    m_rows = read ? std::move(read->rows) : CSVRowList();
    m_numberOfColumns = read ? read->longest : 0;
    m_detectedLineEnd = read ? read->lineEnd : NotFound;
    m_encodingErrorOccurred =
        read && read->failure && read->failure->kind != CSVReadFailure::UnclosedQuote;
    // The line-ending control shows what the file uses.
    if (m_detectedLineEnd != NotFound)
        m_choices.setLineEndingType(m_detectedLineEnd);
    m_firstRow.reset();
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

CSVImportExportPreset CSVOpenAssistantPreview::preset() const
{
    CSVImportExportPreset preset = m_choices;
    preset.setLineEndingType(detectedLineEnd());
    return preset;
}

#include "FactoryDefaults.h"

#include "csv/StringEncoding.h"
#include "document/CSVImportExportPreset.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"
#include "rules/CSVRulesManager.h"

#include <QFontDatabase>

QVariantMap FactoryDefaults::values()
{
    const QFont systemFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const std::initializer_list<std::pair<const char *, QVariant>> values = {
        {DefaultsKeys::StringEncoding, quint64(StringEncodings::UTF8)},
        {DefaultsKeys::Separator, qint64(CSVImportExportPreset::Comma)},
        {DefaultsKeys::LineEnding, qint64(CSVImportExportPreset::CRLF)},
        {DefaultsKeys::FirstRowIsHeader, false},
        {DefaultsKeys::TrimSpaces, false},
        {DefaultsKeys::ForceQuotes, false},
        {DefaultsKeys::SearchString, QString()},
        {DefaultsKeys::ReplaceString, QString()},
        {DefaultsKeys::IgnoreCase, false},
        {DefaultsKeys::UseRegex, false},
        {DefaultsKeys::RowDeleteAlertSuppress, false},
        {DefaultsKeys::ColumnDeleteAlertSuppress, false},
        {DefaultsKeys::OpenEmptyDocument, true},
        {DefaultsKeys::OpenLastEditedDocument, false},
        {DefaultsKeys::AutoSaveTime, 0},
        {DefaultsKeys::HighlightSheets, true},
        {DefaultsKeys::FontName, systemFont.family()},
        {DefaultsKeys::FontSizeAsFloat, systemFont.pointSizeF()},
        {DefaultsKeys::DrawCellBackgroundColor, true},
        {DefaultsKeys::FeedbackEmailAddress, QString()},
        {DefaultsKeys::FeedbackSendMeACopy, true},
    };
    // The colouring rules' store declares its own: they hold the built-in rules.
    QVariantMap map = CSVRulesManager::factoryDefaults();
    for (const auto &[key, value] : values)
        map.insert(QString::fromLatin1(key), value);
    return map;
}

void FactoryDefaults::registerAll()
{
    UserDefaults::standard().registerDefaults(values());
}

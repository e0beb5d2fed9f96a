#pragma once

// Every settings key the product stores, declared once. The names are the ones stored in the
// users' settings files since the first version: never rename them.
namespace DefaultsKeys {

// The last choices of the open assistant, mirrored by the import/export preset.
inline constexpr char StringEncoding[] = "TBWRDefaultEcodingKey";
inline constexpr char Separator[] = "TBWRDefaultSeparatorKey";
inline constexpr char LineEnding[] = "TBWRDefaultLineEndingKey";
inline constexpr char FirstRowIsHeader[] = "TBWRDefaultFirstRowIsHeaderKey";
inline constexpr char TrimSpaces[] = "TBWRDefaultTrimSpacesKey";
inline constexpr char ForceQuotes[] = "TBWRDefaultForceQuotesKey";

// The last use of the find-and-replace dialog, shared by all documents.
inline constexpr char SearchString[] = "TBWRDefaultSearchStringKey";
inline constexpr char ReplaceString[] = "TBWRDefaultReplaceStringKey";
inline constexpr char IgnoreCase[] = "TBWRDefaultIgnorCaseKey";
inline constexpr char UseRegex[] = "TBWRDefaultUseRegexKey";

// Confirmations the user asked not to see again.
inline constexpr char RowDeleteAlertSuppress[] = "TBWRDefaultRowDeleteAlertSuppress";
inline constexpr char ColumnDeleteAlertSuppress[] = "TBWRDefaultColumnDeleteAlertSuppress";
inline constexpr char RuleDeleteAlertSuppress[] = "TBWRDefaultRuleDeleteAlertSuppress";

// The General preferences.
inline constexpr char OpenEmptyDocument[] = "TBWRDefaultOpenEmptyDocumentKey";
inline constexpr char OpenLastEditedDocument[] = "TBWRDefaultOpenLastEditedDocumentKey";
inline constexpr char AutoSaveTime[] = "TBWRDefaultAutoSaveTimeKey"; // minutes; 0 is off
inline constexpr char HighlightSheets[] = "TBWRDefaultHighlightSheetsKey";
inline constexpr char FontName[] = "TBWRDefaultFontNameKey";
inline constexpr char FontSizeAsFloat[] = "TBWRDefaultFontSizeAsFloatKey";

// The cell colouring: whether cells are coloured at all, the colours of empty cells and of
// cells no rule matches, and the ordered rule list.
inline constexpr char DrawCellBackgroundColor[] = "TBWRDefaultDrawCellBackgroundColorKey";
inline constexpr char EmptyColor[] = "TBWRDefaultEmptyColorKey";
inline constexpr char OtherColor[] = "TBWRDefaultOtherColorKey";
inline constexpr char CellColorRules[] = "TBWRDefaultCellColorRules";

// The user's list of encodings offered in the encoding pop-ups.
inline constexpr char Encodings[] = "Encodings";

// The files opened last, newest first, for File > Open Recent.
inline constexpr char RecentDocuments[] = "TBWRDefaultRecentDocumentsKey";
// How each of those files was last read or written, so that it reads back the same way.
inline constexpr char RecentPresets[] = "TBWRDefaultRecentPresetsKey";

// The crash reporter: when it last looked for a new crash report (seconds since 1970, a double;
// versions before stored a float).
inline constexpr char LastCrashReportDate[] = "ZRNCrashReporterLastCrashReportDate";
// The feedback form: the user's reply address and whether to send the user a copy.
inline constexpr char FeedbackEmailAddress[] = "ZRNFeedbackProvidereMailAddressDefaultKey";
inline constexpr char FeedbackSendMeACopy[] = "ZRNFeedbackProviderSendMeACopyDefaultKey";

} // namespace DefaultsKeys

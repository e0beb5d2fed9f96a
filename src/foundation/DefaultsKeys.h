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

// The user's list of encodings offered in the encoding pop-ups.
inline constexpr char Encodings[] = "Encodings";

// YES once the user asked to remove rows, or columns, without being asked first.
inline constexpr char RowDeleteAlertSuppress[] = "TBWRDefaultRowDeleteAlertSuppress";
inline constexpr char ColumnDeleteAlertSuppress[] = "TBWRDefaultColumnDeleteAlertSuppress";

} // namespace DefaultsKeys

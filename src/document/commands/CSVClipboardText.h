#pragma once

#include "CSVByteWriter.h"
#include "CSVCopiedTable.h"

#include <QStringView>

// The text flavours of the clipboard: one line per row, ended by a line feed, cells joined by
// tabs. A cell holding a tab or a line break, or beginning with a double quote, is written the
// way spreadsheets write their clipboards, in double quotes with inner quotes doubled; written
// plainly, it would come back as several cells or rows wherever it is pasted. A row of one
// empty cell is written as "" rather than as an empty line.
namespace CSVClipboardText {

// With the text goes an HTML table of the same cells, so that office suites and mail keep them
// apart: its start, a row for each row, its end. A row goes to both at once, so that each of
// its cells' bytes is looked at once.
void startHtml(CSVByteWriter &html);
void appendRow(CSVByteWriter &text, CSVByteWriter &html, const CSVCopiedTable::Cells &cells);
void finishHtml(CSVByteWriter &html);

// Lines split at every line break (line feed, vertical tab, form feed, carriage return, next
// line, line and paragraph separators), empty lines skipped, fields split at tabs. A field in
// double quotes, closed before a tab, a line break or the end, may hold tabs, line breaks and
// doubled quotes; any other quote is text.
CSVRowList read(QStringView text);

} // namespace CSVClipboardText

#pragma once

class CSVDocument;
class CSVPasteboard;

// Copy, cut and paste of rows and columns through the clipboard. Copy writes the private rows
// or columns flavour, the text form under the tabular and the plain text flavours, and an HTML
// table; paste prefers the private flavours and falls back to text. Copy and paste see only the
// shown columns, in display order.
namespace CSVClipboard {

// Rows can be pasted: the clipboard holds no columns flavour, and the rows flavour or text.
bool isRowsDataOnPasteboardAvailable(const CSVPasteboard &pasteboard);
bool isColumnsDataOnPasteboardAvailable(const CSVPasteboard &pasteboard);

// The selected rows if any, else the selected columns, else nothing.
void copy(CSVDocument &document, CSVPasteboard &pasteboard);
// Copies, then removes the selected rows (step "LSUDCutRows") or, when columns were copied,
// hides the selected columns (step "LSUDCutColumns"). Asks nothing.
void cut(CSVDocument &document, CSVPasteboard &pasteboard);
// Inserts rows when the clipboard offers rows, else columns.
void paste(CSVDocument &document, const CSVPasteboard &pasteboard);

// The selected visible rows, cut to the shown columns.
void writeSelectedRowsToPasteboard(CSVDocument &document, CSVPasteboard &pasteboard);
// The selected columns with every row of the document, the filtered-out ones included.
void writeSelectedColumnsToPasteboard(CSVDocument &document, CSVPasteboard &pasteboard);

// Step "LSUDPasteRows". Each incoming row is fitted to the document: its i-th value goes to the
// cell of the i-th shown column; values past the shown columns are dropped, other cells stay
// empty. The filter is cleared first; the rows replace the selected rows, in the place of the
// first of them among all rows, or are appended. They end up selected.
void insertRowsFromPasteboard(CSVDocument &document, const CSVPasteboard &pasteboard);

// Step "LSUDPasteColumns": the copied columns, in their copied order, replace the selected
// columns at the place of the first of them, or are appended at the right; the document gains
// empty rows until it has as many as were copied. The cells go to fresh positions that only the
// pasted columns show, so undo has only to hide the columns and take the added rows back.
void insertColumnsFromPasteboard(CSVDocument &document, const CSVPasteboard &pasteboard);

// Fills a new document from the clipboard: a columns bundle with its titles, widths and
// alignments, else the rows flavour, else the text (every field a cell). Short rows are padded;
// the document has unsaved changes from the start.
void setRowsFromPasteboard(CSVDocument &document, const CSVPasteboard &pasteboard);

} // namespace CSVClipboard

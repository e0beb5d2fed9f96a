#pragma once

#include "CSVByteWriter.h"
#include "CSVCopiedTable.h"

#include "document/CSVTableColumn.h"

#include <QByteArray>
#include <QVariantList>

#include <optional>

// The private clipboard flavours in CBOR, so that every running copy of the program reads what
// any other writes.
//
// Rows flavour: an array of rows, each an array of text strings (the shown columns' cells in
// display order). Columns flavour: a map {"columns": [{"name": text, "width": double,
// "contentAlignment": unsigned}, ...], "rows": [[text, ...], ...]} with one entry in "rows" per
// row of the document. Whatever else another program puts under these names is not read.
namespace CSVClipboardArchive {

// Each flavour is its head, then one appendRow for each of the rowCount rows.
QByteArray rowsHead(qsizetype rowCount);
QByteArray columnsHead(const std::vector<CSVTableColumn> &columns, qsizetype rowCount);
void appendRow(CSVByteWriter &archive, const CSVCopiedTable::Cells &cells);

struct ColumnBundle
{
    // One map per column ("name", "width", "contentAlignment"), as a document keeps them.
    QVariantList columns;
    CSVRowList rows;
};

std::optional<CSVRowList> readRows(const QByteArray &data);
std::optional<ColumnBundle> readColumns(const QByteArray &data);

// The column a description makes, showing the cell position given.
CSVTableColumn columnFromDescription(const QVariant &description, qint64 position);

} // namespace CSVClipboardArchive

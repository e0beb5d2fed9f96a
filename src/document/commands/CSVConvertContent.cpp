#include "CSVConvertContent.h"

#include "CSVTextConversion.h"

#include "document/CSVDocument.h"

namespace CSVConvertContent {

std::vector<qint64> selectedColumnPositions(const CSVDocument &document)
{
    std::vector<qint64> positions;
    for (const CSVTableColumn &column : document.selectedColumns())
        if (column.isDataColumn())
            positions.push_back(column.position());
    return positions;
}

void convertColumnContent(CSVDocument &document, int tag)
{
    std::vector<qint64> positions = selectedColumnPositions(document);
    if (positions.empty())
        return;
    std::u16string cell;
    std::u16string converted;
    const auto text = [&](const CSVRow &row, qsizetype, qint64 position) {
        return CSVTextConversion::convert(tag, row.utf16At(position, cell), converted);
    };
    UndoGroup group(document.undoManager());
    document.setStringValues(
        CSVCellBlock::computed(document.rowArrays(), std::move(positions), text));
    document.undoManager().setActionName(CSVTextConversion::stepName(tag));
}

} // namespace CSVConvertContent

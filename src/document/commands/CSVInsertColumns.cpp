#include "CSVInsertColumns.h"

#include "CSVColumnCommands.h"

#include "document/CSVDocument.h"

#include <algorithm>

namespace CSVInsertColumns {

bool canPlaceByColumn(const CSVDocument &document)
{
    return !document.tableColumns().isEmpty();
}

Options open(const CSVDocument &document)
{
    Options options;
    options.placement = document.commandChoices().insertColumnsPlacement;
    const bool byColumn = options.placement == Options::Placement::BeforeColumn ||
                          options.placement == Options::Placement::AfterColumn;
    if (byColumn && !canPlaceByColumn(document))
        options.placement = Options::Placement::AtBeginning;
    return options;
}

namespace {

qint64 baseIndex(const CSVDocument &document, const Options &options)
{
    const qint64 columnCount = document.tableColumns().count();
    switch (options.placement) {
    case Options::Placement::AtBeginning:
        return 0;
    case Options::Placement::AtEnd:
        return columnCount;
    case Options::Placement::BeforeColumn:
        return std::clamp<qint64>(options.column, 0, columnCount);
    case Options::Placement::AfterColumn:
        return std::clamp<qint64>(options.column + 1, 0, columnCount);
    }
    return 0;
}

} // namespace

void close(CSVDocument &document, const Options &options, bool confirmed)
{
    document.commandChoices().insertColumnsPlacement = options.placement;
    if (!confirmed)
        return;
    document.resetFindResults();
    UndoGroup group(document.undoManager());
    CSVColumnCommands::insertEmptyColumns(document, baseIndex(document, options), options.count);
    document.undoManager().setActionName(QStringLiteral("LSUDAddColumn"));
}

} // namespace CSVInsertColumns

#include "CSVMergeColumns.h"

#include "CSVRowDrag.h"

#include "document/CSVDocument.h"

#include "foundation/NotFound.h"

#include <algorithm>

namespace CSVMergeColumns {

Options open(const CSVDocument &document)
{
    Options options;
    for (const CSVTableColumn &column : document.selectedColumns())
        options.order.push_back({column.title(), column.identifier()});
    if (!options.order.empty())
        options.destination = options.order.front().identifier;
    const CSVCommandChoices &choices = document.commandChoices();
    options.separator = choices.mergeSeparator;
    options.separatorText = choices.mergeSeparatorText;
    options.removesSources = choices.mergeRemovesSources;
    return options;
}

void moveEntries(std::vector<Entry> &order, const IndexSet &dragged, qint64 row)
{
    std::vector<Entry> moved;
    for (const qint64 index : dragged)
        moved.push_back(order.at(size_t(index)));
    for (auto it = dragged.ranges().rbegin(); it != dragged.ranges().rend(); ++it)
        order.erase(order.begin() + it->location, order.begin() + it->end());
    row = std::min(CSVRowDrag::destinationIndexes(dragged, row).firstIndex(), qint64(order.size()));
    order.insert(order.begin() + row, moved.begin(), moved.end());
}

bool isSeparatorTextEnabled(Options::Separator separator)
{
    return separator == Options::Separator::Text;
}

namespace {

QString separatorOf(const Options &options)
{
    switch (options.separator) {
    case Options::Separator::Blank:
        return QStringLiteral(" ");
    case Options::Separator::Text:
        return options.separatorText;
    default:
        return {};
    }
}

void mergeCells(CSVDocument &document, const Options &options)
{
    std::vector<qint64> sources;
    for (const Entry &entry : options.order)
        sources.push_back(entry.identifier.toLongLong());
    const QString separator = separatorOf(options);
    QString merged;
    std::u16string scratch;
    const auto cellText = [&](const CSVRow &row, qsizetype, qint64) {
        merged.truncate(0);
        for (size_t i = 0; i < sources.size(); ++i) {
            if (i > 0)
                merged.append(separator);
            merged.append(row.utf16At(sources[i], scratch));
        }
        return QStringView(merged);
    };
    document.setStringValues(
        CSVCellBlock::computed(document.rowArrays(), {options.destination.toLongLong()}, cellText));
}

// From the highest cell position to the lowest, as the columns' identifiers say.
void removeSourceColumns(CSVDocument &document, const Options &options)
{
    std::vector<Entry> sources = options.order;
    std::ranges::sort(sources, [](const Entry &a, const Entry &b) {
        return a.identifier.toLongLong() > b.identifier.toLongLong();
    });
    for (const Entry &source : sources) {
        const qint64 index = document.indexOfColumnWithIdentifier(source.identifier);
        if (source.identifier == options.destination || index == NotFound)
            continue;
        const CSVTableColumn column = document.tableColumns().at(index);
        document.removeTableColumn(column);
    }
}

} // namespace

void close(CSVDocument &document, const Options &options, bool confirmed)
{
    CSVCommandChoices &choices = document.commandChoices();
    choices.mergeSeparator = options.separator;
    choices.mergeSeparatorText = options.separatorText;
    choices.mergeRemovesSources = options.removesSources;
    document.resetSearchField();
    if (!confirmed || options.order.empty())
        return;
    UndoGroup group(document.undoManager());
    mergeCells(document, options);
    if (options.removesSources)
        removeSourceColumns(document, options);
    document.undoManager().setActionName(QStringLiteral("LSUDMergeColumns"));
}

} // namespace CSVMergeColumns

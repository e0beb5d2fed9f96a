#include "CSVSearchMenu.h"

#include "foundation/LocalizedStrings.h"

#include <algorithm>

CSVSearchMenu CSVSearchMenu::build(const CSVTableColumns &columns)
{
    CSVSearchMenu menu;
    menu.m_items.push_back({localized("LSAllColumns"), std::nullopt, false, true});
    menu.m_items.push_back({QString(), std::nullopt, true, false});
    for (const CSVTableColumn &column : columns.columns()) {
        if (column.isEditable() && column.isDataColumn())
            menu.m_items.push_back(
                {localized("LSColumn").arg(column.title()), column.identifier(), false, false});
    }
    return menu;
}

void CSVSearchMenu::select(qsizetype index)
{
    if (index < 0 || index >= qsizetype(m_items.size()) || m_items[size_t(index)].isSeparator)
        return;
    const std::optional<QString> identifier = m_items[size_t(index)].identifier;
    if (!identifier) {
        for (Item &item : m_items)
            item.isOn = false;
    } else {
        for (Item &item : m_items) {
            if (item.identifier == identifier)
                item.isOn = !item.isOn;
        }
    }
    const bool anyColumn = std::any_of(m_items.begin(), m_items.end(), [](const Item &item) {
        return item.identifier && item.isOn;
    });
    m_items.front().isOn = !anyColumn;
}

std::optional<std::vector<qint64>> CSVSearchMenu::tickedPositions() const
{
    if (m_items.empty() || m_items.front().isOn)
        return std::nullopt;
    std::vector<qint64> positions;
    for (const Item &item : m_items) {
        if (item.identifier && item.isOn)
            positions.push_back(item.identifier->toLongLong());
    }
    return positions;
}

#include "ReopenEncodingMenu.h"

#include "csv/StringEncodingTable.h"

#include <algorithm>

bool ReopenEncodingMenu::isOrderedBefore(const StringEncodingInfo &a, const StringEncodingInfo &b)
{
    const bool aIsUnicode = a.scriptGroup == StringEncodingTable::UnicodeScript;
    const bool bIsUnicode = b.scriptGroup == StringEncodingTable::UnicodeScript;
    if (aIsUnicode != bIsUnicode)
        return aIsUnicode;
    if (a.scriptGroup != b.scriptGroup)
        return a.scriptGroup < b.scriptGroup;
    return a.encoding < b.encoding;
}

std::vector<ReopenEncodingMenu::Entry> ReopenEncodingMenu::entries()
{
    std::vector<StringEncodingInfo> infos(StringEncodingTable::entries().begin(),
                                          StringEncodingTable::entries().end());
    std::sort(infos.begin(), infos.end(), isOrderedBefore);
    std::vector<Entry> entries;
    for (const StringEncodingInfo &info : infos) {
        const QString title = StringEncodingTable::displayName(info);
        if (info.encoding != 0 && !title.isEmpty())
            entries.push_back({info.encoding, title});
    }
    return entries;
}

#pragma once

#include "csv/StringEncoding.h"

#include <QString>

#include <vector>

struct StringEncodingInfo;

// The items of File > Reopen With Encoding: every encoding the product can read, Unicode first,
// then the others grouped by script.
class ReopenEncodingMenu
{
public:
    struct Entry
    {
        StringEncoding encoding;
        QString title;
    };

    static std::vector<Entry> entries();
    // The order of the menu: true when a comes before b.
    static bool isOrderedBefore(const StringEncodingInfo &a, const StringEncodingInfo &b);
};

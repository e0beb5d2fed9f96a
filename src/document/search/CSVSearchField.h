#pragma once

#include "CSVSearchMenu.h"

#include <QString>

// What the search field of a document's window holds: the search text and the column menu.
struct CSVSearchField
{
    QString text;
    CSVSearchMenu menu;
};

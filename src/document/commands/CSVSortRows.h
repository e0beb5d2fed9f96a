#pragma once

#include <QString>

#include <array>

class CSVDocument;

// The sort sheet's command: open() fills what the sheet shows, close() takes it back.
namespace CSVSortRows {

struct Key
{
    // The identifier of the shown column to sort by; empty for "None".
    QString identifier;
    bool ascending = true;
};

struct Options
{
    // The first key, then up to two keys that order the rows the keys before leave equal.
    std::array<Key, 3> keys;
    // Runs of digits compare by their value (9, 10, 100) instead of character by character.
    bool comparesNumbers = false;
};

// The first shown column, the direction and the number choice of the last time, no further
// keys.
Options open(const CSVDocument &document);

// Either button clears the search filter and remembers the direction and the number choice.
// OK sorts all rows of the document, whatever the selection, under the collation of the user's
// locale ignoring letter case; rows whose keys compare equal keep their order. One step,
// "LSUDSortRows", that puts the whole previous list back. Without a first column the sort is by
// cell position 0.
void close(CSVDocument &document, const Options &options, bool confirmed);

} // namespace CSVSortRows

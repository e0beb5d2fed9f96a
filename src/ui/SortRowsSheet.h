#pragma once

#include "CommandSheet.h"

#include "document/commands/CSVSortRows.h"

#include <array>

class CSVDocument;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class RadioChoices;

// The sort sheet: the column to sort all rows by and its direction, up to two further keys for
// rows the first leaves equal, and whether numbers compare by value.
class SortRowsSheet : public CommandSheet
{
    Q_OBJECT

public:
    static constexpr int s_ascendingTag = 0;
    static constexpr int s_descendingTag = 1;

    static SortRowsSheet *beginSheet(QWidget *window, CSVDocument &document);

    // Key 0 lists the shown columns in display order; the further keys start with "None". Each
    // item's data is the column's identifier (empty for "None").
    QComboBox *sortByColumnPopupButton(size_t key = 0) const { return m_keys[key].column; }
    RadioChoices *ascendingMatrix(size_t key = 0) const { return m_keys[key].direction; }
    QCheckBox *compareNumbersButton() const { return m_numbers; }

private:
    struct KeyControls
    {
        QComboBox *column = nullptr;
        RadioChoices *direction = nullptr;
    };

    SortRowsSheet(QWidget *window, CSVDocument &document, const CSVSortRows::Options &options);
    // The key's pop-up and direction, laid out in row.
    KeyControls makeKey(const CSVDocument &document, const CSVSortRows::Key &key, bool offersNone,
                        QHBoxLayout *row);
    void finish(bool confirmed) override;

    CSVDocument &m_document;
    std::array<KeyControls, 3> m_keys;
    QCheckBox *m_numbers;
};

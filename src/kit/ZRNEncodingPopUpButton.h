#pragma once

#include "csv/StringEncoding.h"

#include <QComboBox>

// The pop-up for choosing an encoding (the save panel's and the open assistant's). It shows the
// user's enabled encodings, optionally an "Automatic" entry, and last the item that opens the
// customise panel, which is never left chosen. It follows every edit of the enabled list and
// keeps the user's choice across it.
class ZRNEncodingPopUpButton : public QComboBox
{
    Q_OBJECT

public:
    explicit ZRNEncodingPopUpButton(QWidget *parent = nullptr);

    // Refills popup with the enabled encodings and selectedEncoding chosen (added at the end
    // for this pop-up when it is not enabled), after an "Automatic" entry if withDefaultEntry.
    static void setupPopUp(ZRNEncodingPopUpButton *popup, StringEncoding selectedEncoding,
                           bool withDefaultEntry);

    void setEncoding(StringEncoding encoding, bool defaultEntry);
    // The chosen encoding; StringEncodings::Invalid for "Automatic" or nothing.
    StringEncoding encoding() const;
    StringEncoding defaultEncoding() const { return m_defaultEncoding; }
    bool hasDefaultEntry() const { return m_hasDefaultEntry; }
    void setHasDefaultEntry(bool hasDefaultEntry) { m_hasDefaultEntry = hasDefaultEntry; }

signals:
    // The user chose an encoding or "Automatic"; not sent when the pop-up is refilled.
    void encodingChanged(StringEncoding encoding);

private:
    void encodingsListChanged();
    void currentItemChanged(int index);
    bool isCustomizeItem(int index) const;

    StringEncoding m_defaultEncoding = StringEncodings::Invalid;
    bool m_hasDefaultEntry = false;
    int m_chosenIndex = -1;
};

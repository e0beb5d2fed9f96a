#pragma once

#include "document/CSVImportExportPreset.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class ZRNEncodingPopUpButton;

// The controls that choose how a file is read or written: encoding, separator and line ending
// pop-ups (items tagged with the numbers the presets store), and check boxes for the header
// record, trimming and backslash escapes (reading only) and quoting every field. The open
// assistant shows them all; the save panel's accessory leaves the reading ones out.
class PresetControls : public QWidget
{
    Q_OBJECT

public:
    enum class Purpose { Reading, Writing };

    explicit PresetControls(Purpose purpose, QWidget *parent = nullptr);

    // Shows the preset's values; the encoding pop-up offers the enabled encodings and the
    // preset's. Sends no signal.
    void setPreset(const CSVImportExportPreset &preset);
    // The values shown; trimming and escapes are off when they are not offered.
    CSVImportExportPreset preset() const;

    QComboBox *separatorPopup() const { return m_separator; }
    QComboBox *lineEndingPopup() const { return m_lineEnding; }
    QCheckBox *firstRowIsHeaderButton() const { return m_firstRowIsHeader; }
    QCheckBox *trimSpacesButton() const { return m_trimSpaces; }
    QCheckBox *backslashEscapesButton() const { return m_backslashEscapes; }
    QCheckBox *forceQuotesButton() const { return m_forceQuotes; }

    // The tag of the pop-up's chosen item, and choosing the item with a tag (the first item
    // when none has it).
    static qint64 selectedTag(const QComboBox *popup);
    static void selectItemWithTag(QComboBox *popup, qint64 tag);

signals:
    // The user changed a control.
    void changed();

private:
    QCheckBox *addCheckBox(const char *titleKey);

    ZRNEncodingPopUpButton *m_encoding;
    QComboBox *m_separator;
    QComboBox *m_lineEnding;
    QCheckBox *m_firstRowIsHeader;
    QCheckBox *m_trimSpaces = nullptr;
    QCheckBox *m_backslashEscapes = nullptr;
    QCheckBox *m_forceQuotes;
};

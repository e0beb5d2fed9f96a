#include "PresetControls.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNEncodingPopUpButton.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSignalBlocker>

namespace {

struct Choice
{
    const char *titleKey;
    qint64 tag;
};

QComboBox *makePopup(std::initializer_list<Choice> choices, QWidget *parent)
{
    auto *popup = new QComboBox(parent);
    for (const Choice &choice : choices)
        popup->addItem(localized(choice.titleKey), choice.tag);
    return popup;
}

} // namespace

PresetControls::PresetControls(Purpose purpose, QWidget *parent)
    : QWidget(parent)
    , m_encoding(new ZRNEncodingPopUpButton(this))
    , m_separator(makePopup({{"LSSeparatorComma", CSVImportExportPreset::Comma},
                             {"LSSeparatorSemicolon", CSVImportExportPreset::Semicolon},
                             {"LSSeparatorTab", CSVImportExportPreset::Tab}},
                            this))
    , m_lineEnding(makePopup({{"LSLineEndingCRLF", CSVImportExportPreset::CRLF},
                              {"LSLineEndingCR", CSVImportExportPreset::CR},
                              {"LSLineEndingLF", CSVImportExportPreset::LF}},
                             this))
{
    auto *layout = new QFormLayout(this);
    // Pop-ups as wide as their longest item, not as the dialog.
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    layout->addRow(localized("LSPresetEncoding"), m_encoding);
    layout->addRow(localized("LSPresetSeparator"), m_separator);
    layout->addRow(localized("LSPresetLineEnding"), m_lineEnding);
    m_firstRowIsHeader = addCheckBox("LSPresetFirstRowIsHeader");
    if (purpose == Purpose::Reading) {
        m_trimSpaces = addCheckBox("LSPresetTrimSpaces");
        m_backslashEscapes = addCheckBox("LSPresetBackslashEscapes");
    }
    m_forceQuotes = addCheckBox("LSPresetForceQuotes");

    connect(m_encoding, &ZRNEncodingPopUpButton::encodingChanged, this, &PresetControls::changed);
    for (QComboBox *popup : {m_separator, m_lineEnding})
        connect(popup, &QComboBox::activated, this, &PresetControls::changed);
}

QCheckBox *PresetControls::addCheckBox(const char *titleKey)
{
    auto *box = new QCheckBox(localized(titleKey), this);
    static_cast<QFormLayout *>(layout())->addRow(box);
    connect(box, &QCheckBox::toggled, this, &PresetControls::changed);
    return box;
}

void PresetControls::setPreset(const CSVImportExportPreset &preset)
{
    const QSignalBlocker blocker(this);
    ZRNEncodingPopUpButton::setupPopUp(m_encoding, preset.stringEncoding(), false);
    selectItemWithTag(m_separator, preset.separatorType());
    selectItemWithTag(m_lineEnding, preset.lineEndingType());
    m_firstRowIsHeader->setChecked(preset.firstRowIsHeader());
    if (m_trimSpaces)
        m_trimSpaces->setChecked(preset.trimSpaces());
    if (m_backslashEscapes)
        m_backslashEscapes->setChecked(preset.backslashEscapes());
    m_forceQuotes->setChecked(preset.forceQuotes());
}

CSVImportExportPreset PresetControls::preset() const
{
    CSVImportExportPreset preset(selectedTag(m_separator), m_encoding->encoding(),
                                 selectedTag(m_lineEnding), m_firstRowIsHeader->isChecked());
    preset.setTrimSpaces(m_trimSpaces && m_trimSpaces->isChecked());
    preset.setBackslashEscapes(m_backslashEscapes && m_backslashEscapes->isChecked());
    preset.setForceQuotes(m_forceQuotes->isChecked());
    return preset;
}

qint64 PresetControls::selectedTag(const QComboBox *popup)
{
    return popup->currentData().toLongLong();
}

void PresetControls::selectItemWithTag(QComboBox *popup, qint64 tag)
{
    popup->setCurrentIndex(std::max(popup->findData(tag), 0));
}

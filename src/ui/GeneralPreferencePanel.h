#pragma once

#include "kit/ZRNPreferencePane.h"

class QCheckBox;
class QComboBox;
class QLabel;

// The General pane of the preferences: autosave interval, what to open at launch, the sheet
// highlight, the default table font, and bringing back the confirmations the user silenced.
class GeneralPreferencePanel : public ZRNPreferencePane
{
    Q_OBJECT

public:
    explicit GeneralPreferencePanel(QWidget *parent = nullptr);

    QString identifier() const override { return QStringLiteral("GeneralPreferencePanel"); }
    QString label() const override;
    QString toolTipText() const override;
    QIcon icon() const override;
    void willSelect() override;

    // The table font of new documents: the font the settings name at their size, or the
    // system font when no installed font has that name.
    static QFont defaultFont();
    static void resetSuppressedAlerts();

    QComboBox *autoSavePopUp() const { return m_autoSavePopUp; }
    QCheckBox *openEmptyDocument() const { return m_openEmptyDocument; }
    QCheckBox *loadLastEditedDocument() const { return m_loadLastEditedDocument; }
    QCheckBox *highlightSheets() const { return m_highlightSheets; }

    // Stores the font as the default font of new documents; open documents keep theirs.
    void changeDefaultFont(const QFont &font);

private:
    void autoSavePopUpChanged();
    void buttonStateChanged();
    void openFontDialog();
    void updateFontLabel();

    QComboBox *m_autoSavePopUp;
    QCheckBox *m_openEmptyDocument;
    QCheckBox *m_loadLastEditedDocument;
    QCheckBox *m_highlightSheets;
    QLabel *m_fontLabel;
};

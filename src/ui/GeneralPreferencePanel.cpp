#include "GeneralPreferencePanel.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNFontPanel.h"
#include "kit/ZRNSheetPresentation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

// The autosave intervals offered, in minutes; 0 is off.
constexpr int s_autoSaveMinutes[] = {0, 1, 5, 10, 15, 30, 60};

} // namespace

GeneralPreferencePanel::GeneralPreferencePanel(QWidget *parent)
    : ZRNPreferencePane(parent)
    , m_autoSavePopUp(new QComboBox(this))
    , m_openEmptyDocument(new QCheckBox(localized("LSPrefsOpenEmptyDocument"), this))
    , m_loadLastEditedDocument(new QCheckBox(localized("LSPrefsOpenLastEdited"), this))
    , m_highlightSheets(new QCheckBox(localized("LSPrefsHighlightSheets"), this))
    , m_fontLabel(new QLabel(this))
{
    for (int minutes : s_autoSaveMinutes) {
        m_autoSavePopUp->addItem(minutes == 0 ? localized("LSPrefsAutoSaveOff")
                                              : localized("LSPrefsAutoSaveMinutes", minutes),
                                 minutes);
    }
    auto *changeFont = new QPushButton(localized("LSPrefsChangeFont"), this);
    auto *resetAlerts = new QPushButton(localized("LSPrefsResetAlerts"), this);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(m_fontLabel, 1);
    fontRow->addWidget(changeFont);

    auto *layout = new QFormLayout(this);
    layout->addRow(localized("LSPrefsAutoSave"), m_autoSavePopUp);
    layout->addRow(localized("LSPrefsAtLaunch"), m_openEmptyDocument);
    layout->addRow(QString(), m_loadLastEditedDocument);
    layout->addRow(localized("LSPrefsSheets"), m_highlightSheets);
    layout->addRow(localized("LSPrefsDefaultFont"), fontRow);
    layout->addRow(localized("LSPrefsAlerts"), resetAlerts);

    connect(m_autoSavePopUp, &QComboBox::activated, this,
            &GeneralPreferencePanel::autoSavePopUpChanged);
    for (QCheckBox *box : {m_openEmptyDocument, m_loadLastEditedDocument, m_highlightSheets})
        connect(box, &QCheckBox::clicked, this, &GeneralPreferencePanel::buttonStateChanged);
    connect(changeFont, &QPushButton::clicked, this, &GeneralPreferencePanel::openFontDialog);
    connect(resetAlerts, &QPushButton::clicked, this,
            &GeneralPreferencePanel::resetSuppressedAlerts);

    ZRNSheetPresentation::sharedPresentation().setUseHighlightEffect(
        UserDefaults::standard().boolForKey(key(DefaultsKeys::HighlightSheets)));
}

QString GeneralPreferencePanel::label() const
{
    return localized("GeneralPrefPanelName");
}

QString GeneralPreferencePanel::toolTipText() const
{
    return localized("GeneralPrefToolTip");
}

QIcon GeneralPreferencePanel::icon() const
{
    return QIcon(QStringLiteral(":/images/General_Prefs.svg"));
}

void GeneralPreferencePanel::willSelect()
{
    const UserDefaults &defaults = UserDefaults::standard();
    const int index =
        m_autoSavePopUp->findData(int(defaults.integerForKey(key(DefaultsKeys::AutoSaveTime))));
    m_autoSavePopUp->setCurrentIndex(std::max(index, 0));
    m_openEmptyDocument->setChecked(defaults.boolForKey(key(DefaultsKeys::OpenEmptyDocument)));
    m_loadLastEditedDocument->setChecked(
        defaults.boolForKey(key(DefaultsKeys::OpenLastEditedDocument)));
    m_highlightSheets->setChecked(defaults.boolForKey(key(DefaultsKeys::HighlightSheets)));
    updateFontLabel();
}

void GeneralPreferencePanel::autoSavePopUpChanged()
{
    UserDefaults::standard().setObject(key(DefaultsKeys::AutoSaveTime),
                                       m_autoSavePopUp->currentData());
    NotificationCenter::defaultCenter().post(QStringLiteral("PrefsChanged"));
}

void GeneralPreferencePanel::buttonStateChanged()
{
    UserDefaults &defaults = UserDefaults::standard();
    defaults.setObject(key(DefaultsKeys::OpenEmptyDocument), m_openEmptyDocument->isChecked());
    defaults.setObject(key(DefaultsKeys::OpenLastEditedDocument),
                       m_loadLastEditedDocument->isChecked());
    defaults.setObject(key(DefaultsKeys::HighlightSheets), m_highlightSheets->isChecked());
    ZRNSheetPresentation::sharedPresentation().setUseHighlightEffect(
        m_highlightSheets->isChecked());
}

void GeneralPreferencePanel::resetSuppressedAlerts()
{
    UserDefaults &defaults = UserDefaults::standard();
    for (const char *name :
         {DefaultsKeys::RowDeleteAlertSuppress, DefaultsKeys::ColumnDeleteAlertSuppress,
          DefaultsKeys::RuleDeleteAlertSuppress})
        defaults.setObject(key(name), false);
}

QFont GeneralPreferencePanel::defaultFont()
{
    const UserDefaults &defaults = UserDefaults::standard();
    const QString name = defaults.stringForKey(key(DefaultsKeys::FontName));
    const double size = defaults.doubleForKey(key(DefaultsKeys::FontSizeAsFloat));
    if (name.isEmpty() || size <= 0 || !QFontDatabase::hasFamily(name))
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QFont font(name);
    font.setPointSizeF(size);
    return font;
}

void GeneralPreferencePanel::openFontDialog()
{
    auto *dialog = new QFontDialog(window());
    ZRNFontPanel::showFont(*dialog, defaultFont());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFontDialog::fontSelected, this, &GeneralPreferencePanel::changeDefaultFont);
    dialog->open();
}

void GeneralPreferencePanel::changeDefaultFont(const QFont &font)
{
    UserDefaults &defaults = UserDefaults::standard();
    defaults.setObject(key(DefaultsKeys::FontName), font.family());
    defaults.setObject(key(DefaultsKeys::FontSizeAsFloat), font.pointSizeF());
    updateFontLabel();
}

void GeneralPreferencePanel::updateFontLabel()
{
    const QFont font = defaultFont();
    m_fontLabel->setText(QStringLiteral("%1 %2 %3")
                             .arg(font.family())
                             .arg(font.pointSizeF())
                             .arg(localized("ZRNMeasurementLibPoint")));
}

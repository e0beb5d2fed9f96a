#include "ZRNSelectEncodingsPanel.h"

#include "csv/StringEncodingTable.h"
#include "csv/ZRNEncodingManager.h"
#include "foundation/LocalizedStrings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int TagRole = Qt::UserRole;

// The panel belongs to the window it was last opened from, which may be a modal dialog: as that
// window's child it keeps working while the dialog runs, and it goes when the window does.
QPointer<ZRNSelectEncodingsPanel> s_panel;

QPushButton *addButton(QDialogButtonBox *buttons, const char *textKey, const char *name)
{
    QPushButton *button = buttons->addButton(localized(textKey), QDialogButtonBox::ActionRole);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

ZRNSelectEncodingsPanel *ZRNSelectEncodingsPanel::showPanel(QWidget *window)
{
    if (!s_panel)
        s_panel = new ZRNSelectEncodingsPanel(window);
    else if (s_panel->parentWidget() != window)
        s_panel->setParent(window, s_panel->windowFlags());
    s_panel->show();
    s_panel->raise();
    s_panel->activateWindow();
    return s_panel;
}

ZRNSelectEncodingsPanel *ZRNSelectEncodingsPanel::panel()
{
    return s_panel;
}

ZRNSelectEncodingsPanel::ZRNSelectEncodingsPanel(QWidget *parent)
    : QWidget(parent, Qt::Tool), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("ZRNSelectEncodingsPanel"));
    setWindowTitle(localized("LSEncodingsPanelTitle"));
    m_list->setObjectName(QStringLiteral("encodingList"));
    for (const StringEncoding encoding : ZRNEncodingManager::allAvailableStringEncodings()) {
        auto *item = new QListWidgetItem(StringEncodingTable::displayName(encoding), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setData(TagRole, QVariant::fromValue(encoding));
    }

    auto *buttons = new QDialogButtonBox(this);
    ZRNEncodingManager &manager = ZRNEncodingManager::sharedInstance();
    connect(addButton(buttons, "LSEncodingsClearAll", "clearAllButton"), &QPushButton::clicked,
            &manager, &ZRNEncodingManager::clearAll);
    connect(addButton(buttons, "LSEncodingsSelectAll", "selectAllButton"), &QPushButton::clicked,
            &manager, &ZRNEncodingManager::selectAll);
    connect(addButton(buttons, "LSEncodingsRevertToDefault", "revertToDefaultButton"),
            &QPushButton::clicked, &manager, &ZRNEncodingManager::revertToDefault);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(localized("LSEncodingsPanelExplanation"), this));
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    tickEnabledEncodings();
    connect(&manager, &ZRNEncodingManager::checkBoxesNeedUpdate, this,
            &ZRNSelectEncodingsPanel::tickEnabledEncodings);
    connect(m_list, &QListWidget::itemChanged, this, &ZRNSelectEncodingsPanel::boxToggled);
}

void ZRNSelectEncodingsPanel::tickEnabledEncodings()
{
    const QList<StringEncoding> &enabled = ZRNEncodingManager::sharedInstance().enabledEncodings();
    m_isTicking = true;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const bool isEnabled = enabled.contains(item->data(TagRole).value<StringEncoding>());
        item->setCheckState(isEnabled ? Qt::Checked : Qt::Unchecked);
    }
    m_isTicking = false;
}

void ZRNSelectEncodingsPanel::boxToggled()
{
    if (m_isTicking)
        return;
    QList<StringEncoding> ticked;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            ticked.append(m_list->item(row)->data(TagRole).value<StringEncoding>());
    }
    ZRNEncodingManager::sharedInstance().encodingListChanged(ticked);
}

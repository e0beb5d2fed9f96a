#include "ZRNEncodingPopUpButton.h"

#include "ZRNSelectEncodingsPanel.h"
#include "csv/ZRNEncodingManager.h"
#include "foundation/NotificationCenter.h"

#include <QSignalBlocker>

namespace {

constexpr int TagRole = Qt::UserRole;
constexpr int KindRole = Qt::UserRole + 1;

} // namespace

ZRNEncodingPopUpButton::ZRNEncodingPopUpButton(QWidget *parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this,
            &ZRNEncodingPopUpButton::currentItemChanged);
    NotificationCenter::defaultCenter().addObserver(
        this, QString::fromLatin1(ZRNEncodingManager::EncodingsListChangedNotification),
        [this](const Notification &) { encodingsListChanged(); });
}

void ZRNEncodingPopUpButton::setupPopUp(ZRNEncodingPopUpButton *popup,
                                        StringEncoding selectedEncoding, bool withDefaultEntry)
{
    using Item = ZRNEncodingManager::MenuItem;
    const ZRNEncodingManager::Menu menu =
        ZRNEncodingManager::sharedInstance().popUpMenu(selectedEncoding, withDefaultEntry);
    const QSignalBlocker blocker(popup);
    popup->clear();
    for (const Item &item : menu.items) {
        if (item.kind == Item::Separator)
            popup->insertSeparator(popup->count());
        else
            popup->addItem(item.title);
        popup->setItemData(popup->count() - 1, QVariant::fromValue(item.tag), TagRole);
        popup->setItemData(popup->count() - 1, int(item.kind), KindRole);
    }
    popup->setCurrentIndex(int(menu.selectedIndex));
    popup->m_chosenIndex = popup->currentIndex();
    popup->setHasDefaultEntry(withDefaultEntry);
}

void ZRNEncodingPopUpButton::setEncoding(StringEncoding encoding, bool defaultEntry)
{
    m_defaultEncoding = encoding;
    m_hasDefaultEntry = defaultEntry;
    setupPopUp(this, encoding, defaultEntry);
}

StringEncoding ZRNEncodingPopUpButton::encoding() const
{
    const QVariant tag = currentData(TagRole);
    return tag.isValid() ? tag.value<StringEncoding>() : StringEncodings::Invalid;
}

void ZRNEncodingPopUpButton::encodingsListChanged()
{
    const StringEncoding chosen = encoding();
    if (chosen != 0 && chosen != StringEncodings::Invalid)
        m_defaultEncoding = chosen;
    setupPopUp(this, m_defaultEncoding, m_hasDefaultEntry);
}

bool ZRNEncodingPopUpButton::isCustomizeItem(int index) const
{
    return itemData(index, KindRole).toInt() == ZRNEncodingManager::MenuItem::Customize;
}

void ZRNEncodingPopUpButton::currentItemChanged(int index)
{
    if (!isCustomizeItem(index)) {
        m_chosenIndex = index;
        emit encodingChanged(encoding());
        return;
    }
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(m_chosenIndex);
    }
    // Once the pop-up's list has closed.
    QMetaObject::invokeMethod(
        this, [this] { ZRNSelectEncodingsPanel::showPanel(window()); }, Qt::QueuedConnection);
}

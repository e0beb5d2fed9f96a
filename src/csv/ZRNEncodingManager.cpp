#include "ZRNEncodingManager.h"

#include "EncodingDetector.h"
#include "StringEncodingTable.h"
#include "TextConverter.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"

#include <QFile>

#include <algorithm>

namespace {

using namespace StringEncodings;

constexpr qint64 DetectionSampleSize = 1000000;

// The Unicode forms, the Western encodings and the main ones of East Asia. The Mac OS encodings
// of Japanese, Chinese and Korean, once part of this list, have no converter here; the
// standard encodings they extend stand in for them (for Mac Japanese, Shift JIS, listed anyway).
constexpr StringEncoding s_defaultEncodings[] = {
    UTF16, UTF8, MacRoman, WindowsCP1252, ShiftJIS, Big5, EUCKR, EUCCN, GB18030,
};

bool isAvailable(StringEncoding encoding)
{
    return ZRNEncodingManager::allAvailableStringEncodings().contains(encoding);
}

} // namespace

ZRNEncodingManager &ZRNEncodingManager::sharedInstance()
{
    static ZRNEncodingManager s_instance;
    return s_instance;
}

StringEncoding ZRNEncodingManager::encodingForFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return UTF8;
    const QByteArray sample = file.read(DetectionSampleSize);
    if (sample.isEmpty())
        return UTF8;
    const StringEncoding fallback = StringEncoding(UserDefaults::standard().unsignedIntegerForKey(
        QString::fromLatin1(DefaultsKeys::StringEncoding)));
    return EncodingDetector::detect(sample, file.atEnd(), fallback);
}

const QList<StringEncoding> &ZRNEncodingManager::allAvailableStringEncodings()
{
    static const QList<StringEncoding> s_available = [] {
        QList<StringEncoding> available;
        for (const StringEncodingInfo &info : StringEncodingTable::entries()) {
            if (TextConverter(info.encoding).isValid())
                available.append(info.encoding);
        }
        return available;
    }();
    return s_available;
}

QList<StringEncoding> ZRNEncodingManager::defaultEncodings()
{
    QList<StringEncoding> encodings;
    std::copy_if(std::begin(s_defaultEncodings), std::end(s_defaultEncodings),
                 std::back_inserter(encodings), isAvailable);
    if (!encodings.contains(defaultCStringEncoding()))
        encodings.append(defaultCStringEncoding());
    return encodings;
}

StringEncoding ZRNEncodingManager::stringEncodingForMIMEEncoding(const QString &charsetName)
{
    const StringEncodingInfo *info = StringEncodingTable::findByCharsetName(charsetName);
    return info ? info->encoding : 0;
}

QString ZRNEncodingManager::MIMEEncodingForStringEncoding(StringEncoding encoding)
{
    const StringEncodingInfo *info = StringEncodingTable::find(encoding);
    return info ? QString::fromLatin1(info->ianaName) : QString();
}

const QList<StringEncoding> &ZRNEncodingManager::enabledEncodings()
{
    if (!m_encodings) {
        m_encodings = UserDefaults::standard().hasStoredValue(DefaultsKeys::Encodings)
                          ? storedEncodings()
                          : defaultEncodings();
    }
    return *m_encodings;
}

// The stored list, without what this machine cannot convert (a list written elsewhere, or by a
// version that knew more encodings): such entries cannot be offered, and stay stored until the
// user edits the list.
QList<StringEncoding> ZRNEncodingManager::storedEncodings()
{
    QList<StringEncoding> encodings;
    for (const QVariant &value : UserDefaults::standard().arrayForKey(DefaultsKeys::Encodings)) {
        bool ok = false;
        const StringEncoding encoding = value.toULongLong(&ok);
        if (ok && isAvailable(encoding) && !encodings.contains(encoding))
            encodings.append(encoding);
    }
    return encodings;
}

ZRNEncodingManager::Menu ZRNEncodingManager::popUpMenu(StringEncoding selected,
                                                       bool withDefaultEntry)
{
    QList<StringEncoding> encodings = enabledEncodings();
    Menu menu;
    if (withDefaultEntry) {
        menu.items.append({MenuItem::Automatic, Invalid, localized("Automatic")});
        menu.selectedIndex = 0;
    } else if (selected != Invalid && !encodings.contains(selected) && isAvailable(selected)) {
        encodings.append(selected);
    }
    for (const StringEncoding encoding : encodings) {
        if (encoding == selected || menu.selectedIndex < 0)
            menu.selectedIndex = menu.items.size();
        menu.items.append(
            {MenuItem::Encoding, encoding, StringEncodingTable::displayName(encoding)});
    }
    if (!menu.items.isEmpty())
        menu.items.append({MenuItem::Separator, Invalid, QString()});
    menu.items.append({MenuItem::Customize, Invalid, localized(u"Customize Encodings List\u2026")});
    return menu;
}

void ZRNEncodingManager::encodingListChanged(const QList<StringEncoding> &ticked)
{
    // In the panel's order, which is the order of all encodings, whatever order they came in.
    QList<StringEncoding> encodings;
    std::copy_if(allAvailableStringEncodings().begin(), allAvailableStringEncodings().end(),
                 std::back_inserter(encodings),
                 [&ticked](StringEncoding encoding) { return ticked.contains(encoding); });
    m_encodings = encodings;
    noteEncodingListChange(true, false, true);
}

void ZRNEncodingManager::clearAll()
{
    m_encodings = QList<StringEncoding>();
    noteEncodingListChange(true, true, true);
}

void ZRNEncodingManager::selectAll()
{
    m_encodings = allAvailableStringEncodings();
    noteEncodingListChange(true, true, true);
}

void ZRNEncodingManager::revertToDefault()
{
    UserDefaults::standard().removeObject(DefaultsKeys::Encodings);
    m_encodings.reset();
    noteEncodingListChange(false, true, true);
}

void ZRNEncodingManager::noteEncodingListChange(bool writeDefaults, bool updateList,
                                                bool postNotification)
{
    if (writeDefaults) {
        QVariantList stored;
        for (const StringEncoding encoding : enabledEncodings())
            stored.append(QVariant::fromValue(encoding));
        UserDefaults::standard().setObject(DefaultsKeys::Encodings, stored);
    }
    if (updateList)
        emit checkBoxesNeedUpdate();
    if (postNotification)
        NotificationCenter::defaultCenter().post(
            QString::fromLatin1(EncodingsListChangedNotification));
}

#include "CSVRecentPresets.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

#include <QFileInfo>
#include <QVariantList>

namespace {

const QString s_pathKey = QStringLiteral("path");

QString settingsKey()
{
    return QString::fromLatin1(DefaultsKeys::RecentPresets);
}

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Each entry is a preset's archived form with the file's path added.
QVariantList entries()
{
    return UserDefaults::standard().object(settingsKey()).toList();
}

} // namespace

void CSVRecentPresets::remember(const QString &path, const CSVImportExportPreset &preset)
{
    QVariantMap entry{{s_pathKey, absolute(path)}};
    preset.encodeWithCoder(entry);
    QVariantList kept{entry};
    for (const QVariant &old : entries()) {
        if (kept.size() < Limit && old.toMap().value(s_pathKey) != entry.value(s_pathKey))
            kept.append(old);
    }
    UserDefaults::standard().setObject(settingsKey(), kept);
}

std::optional<CSVImportExportPreset> CSVRecentPresets::presetFor(const QString &path)
{
    const QString wanted = absolute(path);
    for (const QVariant &entry : entries()) {
        if (entry.toMap().value(s_pathKey).toString() == wanted)
            return CSVImportExportPreset(entry.toMap());
    }
    return std::nullopt;
}

void CSVRecentPresets::clear()
{
    UserDefaults::standard().removeObject(settingsKey());
}

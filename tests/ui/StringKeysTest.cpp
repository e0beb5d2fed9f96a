#include "support/QtPrinters.h"
#include "support/SourceStringKeys.h"

#include "ui/commands/CommandRegistry.h"

#include "csv/StringEncodingTable.h"
#include "foundation/LocalizedStrings.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QStringList toolbarKeys()
{
    QStringList keys;
    for (const Command &command : CommandRegistry::commands()) {
        if (const ToolbarItem &item = command.toolbarItem; item.identifier)
            keys << item.labelKey() << item.toolTipKey();
    }
    return keys;
}

QStringList encodingKeys()
{
    QStringList keys;
    for (const StringEncodingInfo &info : StringEncodingTable::entries())
        keys << StringEncodingTable::displayNameKey(info);
    return keys;
}

// The parts of keys the program builds at run time, with the keys they build.
const QMap<QString, std::function<QStringList()>> s_builtKeys{
    {QStringLiteral("LS"), toolbarKeys}, // ToolbarItem's "LS" + identifier (+ "ToolTip")
    {QStringLiteral("LSEncoding_%1"), encodingKeys},
};

// Every key the program looks up has a text: the keys the source names, and those built from
// the parts listed above. A part not listed builds keys the walk cannot see: list them there.
TEST(StringKeysTest, EveryKeyTheSourceUsesHasAText)
{
    const SourceStringKeys source(QStringLiteral(TABWRIGHT_SOURCE_DIR));
    EXPECT_EQ(source.parts().keys(), s_builtKeys.keys());
    QMap<QString, QString> keys = source.keys();
    for (auto [part, build] : s_builtKeys.asKeyValueRange()) {
        for (const QString &key : build())
            keys.insert(key, source.parts().value(part));
    }
    QStringList missing;
    for (auto [key, location] : keys.asKeyValueRange()) {
        if (!LocalizedStrings::instance().contains(key))
            missing << QStringLiteral("%1 (%2)").arg(key, location);
    }
    EXPECT_EQ(missing, QStringList());
}

} // namespace

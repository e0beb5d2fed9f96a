#include "AppFixture.h"

#include "app/DocumentController.h"
#include "ui/DocumentWindow.h"
#include "ui/GuiTestSupport.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

void AppFixture::SetUp()
{
    for (const char *name :
         {DefaultsKeys::StringEncoding, DefaultsKeys::Separator, DefaultsKeys::LineEnding,
          DefaultsKeys::FirstRowIsHeader, DefaultsKeys::TrimSpaces, DefaultsKeys::ForceQuotes,
          DefaultsKeys::OpenEmptyDocument, DefaultsKeys::FontName, DefaultsKeys::FontSizeAsFloat,
          DefaultsKeys::AutoSaveTime, DefaultsKeys::RecentDocuments})
        UserDefaults::standard().removeObject(key(name));
}

QStringList AppFixture::titles()
{
    QStringList titles;
    for (DocumentWindow *window : documents().windows())
        titles.append(window->windowTitle());
    return titles;
}

QString AppFixture::file(const QString &name, const QByteArray &bytes)
{
    return TestData::writeFile(m_dir, name, bytes);
}

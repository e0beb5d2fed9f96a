#include "AutosaveTimer.h"

#include "document/CSVDocument.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "ui/DocumentSaving.h"
#include "ui/DocumentWindow.h"

#include <algorithm>
#include <limits>

AutosaveTimer::AutosaveTimer(Documents documents, QObject *parent)
    : QObject(parent), m_documents(std::move(documents))
{
    connect(&m_timer, &QTimer::timeout, this, &AutosaveTimer::autosaveDoTimer);
    NotificationCenter::defaultCenter().addObserver(
        this, QStringLiteral("PrefsChanged"),
        [this](const Notification &) { handlePrefsChange(); });
    handlePrefsChange();
}

void AutosaveTimer::handlePrefsChange()
{
    const qint64 minutes =
        UserDefaults::standard().integerForKey(QString::fromLatin1(DefaultsKeys::AutoSaveTime));
    m_timer.stop();
    if (minutes <= 0)
        return;
    constexpr qint64 longest = std::numeric_limits<int>::max();
    m_timer.start(int(std::min(minutes * 60 * 1000, longest)));
}

void AutosaveTimer::autosaveDoTimer()
{
    for (DocumentWindow *window : m_documents()) {
        const CSVDocument &document = window->document();
        if (!document.filePath().isEmpty() && document.isEditable() && document.hasUnsavedChanges())
            DocumentSaving::autosaveDocument(*window);
    }
}

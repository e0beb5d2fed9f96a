#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class DocumentWindow;

// Saves the open documents every few minutes, as the General preferences set it
// ("TBWRDefaultAutoSaveTimeKey", 0 is off). A new setting takes effect at once and starts the
// count again. Only documents with a file and unsaved changes are saved: an untitled one would
// need a save panel, and a read-only one may hold partial or ragged rows. No dialog is ever
// shown; a failed save stays unsaved and is logged. A large document is written like a user's
// save, on a worker under a progress sheet: Cancel skips it this round.
class AutosaveTimer : public QObject
{
    Q_OBJECT

public:
    using Documents = std::function<std::vector<DocumentWindow *>()>;

    explicit AutosaveTimer(Documents documents, QObject *parent = nullptr);

    // The interval now in force, in milliseconds; 0 when off.
    int interval() const { return m_timer.isActive() ? m_timer.interval() : 0; }

    // Reads the interval again and restarts the count.
    void handlePrefsChange();
    void autosaveDoTimer();

private:
    Documents m_documents;
    QTimer m_timer;
};

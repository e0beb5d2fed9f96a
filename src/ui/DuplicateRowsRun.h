#pragma once

#include "document/commands/CSVDuplicateSearch.h"

#include <QObject>

#include <memory>

class DocumentWindow;

// One search for duplicate rows: it runs on a worker while a progress sheet covers the window,
// and Cancel stops it with the document unchanged. Its completion, on the main thread, removes
// or shows what was found and says what happened. Lives as a child of the window until then.
class DuplicateRowsRun : public QObject
{
    Q_OBJECT

public:
    static void start(DocumentWindow &window, const QString &keyIdentifier,
                      CSVDuplicateSearch::Purpose purpose);

private:
    DuplicateRowsRun(DocumentWindow &window, CSVDuplicateSearch search);
    void begin();
    void complete(bool cancelled);
    void tellResult();

    DocumentWindow &m_window;
    // Shared with the worker, which may outlive a closed window.
    std::shared_ptr<CSVDuplicateSearch> m_search;
};

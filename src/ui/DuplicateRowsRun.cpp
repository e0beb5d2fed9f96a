#include "DuplicateRowsRun.h"

#include "DocumentWindow.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVDuplicateRows.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"
#include "kit/ZRNOperationQueue.h"
#include "kit/ZRNProgressDescriptor.h"
#include "kit/ZRNProgressWindowController.h"
#include "kit/ZRNSheetPresentation.h"

using Purpose = CSVDuplicateSearch::Purpose;

void DuplicateRowsRun::start(DocumentWindow &window, const QString &keyIdentifier, Purpose purpose)
{
    auto *run = new DuplicateRowsRun(
        window, CSVDuplicateRows::makeSearch(window.document(), keyIdentifier, purpose));
    run->begin();
}

DuplicateRowsRun::DuplicateRowsRun(DocumentWindow &window, CSVDuplicateSearch search)
    : QObject(&window)
    , m_window(window)
    , m_search(std::make_shared<CSVDuplicateSearch>(std::move(search)))
{}

void DuplicateRowsRun::begin()
{
    ZRNSheetPresentation::sharedPresentation().prepareSheetPresentationForWindow(&m_window);
    m_progressWindowController = new ZRNProgressWindowController(this);
    const char *title =
        m_search->purpose() == Purpose::Remove ? "LSUDRemoveDuplicateRows" : "LSShowDuplicateRows";
    ZRNProgressDescriptor *item = m_progressWindowController->setupAsDeterminate(
        localized(title), 1.0, double(m_search->rowCount()), 1.0, true);
    m_progressWindowController->operationQueue()->addOperation([search = m_search, item] {
        search->run([item](qint64 examined) {
            item->setCurrentValue(double(examined));
            return !item->isCancelled();
        });
    });
    m_progressWindowController->beginProgressSheetForWindow(
        &m_window, [this](bool cancelled) { complete(cancelled); });
}

void DuplicateRowsRun::complete(bool cancelled)
{
    if (cancelled)
        ZRNSheetPresentation::sharedPresentation().cleanUpSheetPresentationForWindow(&m_window);
    else
        tellResult();
    m_progressWindowController = nullptr;
    deleteLater();
}

// The alert takes over the sheet highlight and clears it when it ends.
void DuplicateRowsRun::tellResult()
{
    CSVDocument &document = m_window.document();
    const QString notFound = localized("LSARemoveDuplicateRowsNotFound");
    if (m_search->purpose() == Purpose::Remove) {
        const qint64 removed = CSVDuplicateRows::removeFound(document, *m_search);
        ZRNAlert::inform(&m_window, localized("LSARemoveDuplicateRowsTitle"),
                         removed ? localized("LSARemoveDuplicateRows").arg(removed) : notFound, {});
    } else if (CSVDuplicateRows::showFound(document, *m_search)) {
        ZRNSheetPresentation::sharedPresentation().cleanUpSheetPresentationForWindow(&m_window);
    } else {
        ZRNAlert::inform(&m_window, localized("LSAShowDuplicateRowsTitle"), notFound, {});
    }
}

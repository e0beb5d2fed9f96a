#include "DuplicateRowsRun.h"

#include "DocumentWindow.h"
#include "ProgressSheetRun.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVDuplicateRows.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"

#include <QPointer>

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
    const char *title =
        m_search->purpose() == Purpose::Remove ? "LSUDRemoveDuplicateRows" : "LSShowDuplicateRows";
    QPointer<DuplicateRowsRun> self(this);
    ProgressSheetRun::start(
        &m_window, localized(title), double(m_search->rowCount()), true,
        [search = m_search](const ProgressSheetRun::Progress &progress) {
            search->run([&progress](qint64 examined) { return progress(double(examined)); });
        },
        [self](bool cancelled) {
            if (self)
                self->complete(cancelled);
        });
}

void DuplicateRowsRun::complete(bool cancelled)
{
    if (!cancelled)
        tellResult();
    deleteLater();
}

void DuplicateRowsRun::tellResult()
{
    CSVDocument &document = m_window.document();
    const QString notFound = localized("LSARemoveDuplicateRowsNotFound");
    if (m_search->purpose() == Purpose::Remove) {
        const qint64 removed = CSVDuplicateRows::removeFound(document, *m_search);
        ZRNAlert::inform(&m_window, localized("LSARemoveDuplicateRowsTitle"),
                         removed ? localized("LSARemoveDuplicateRows", removed) : notFound, {});
    } else if (!CSVDuplicateRows::showFound(document, *m_search)) {
        ZRNAlert::inform(&m_window, localized("LSAShowDuplicateRowsTitle"), notFound, {});
    }
}

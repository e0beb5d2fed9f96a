#include "DuplicateRowsSheet.h"

#include "DocumentWindow.h"
#include "DuplicateRowsRun.h"

#include "document/commands/CSVDuplicateRows.h"
#include "foundation/LocalizedStrings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

// The sheet slides away before the progress sheet comes.
constexpr int s_startDelayMilliseconds = 200;

} // namespace

DuplicateRowsSheet *DuplicateRowsSheet::beginSheet(DocumentWindow &window, Purpose purpose)
{
    auto *sheet = new DuplicateRowsSheet(window, purpose);
    sheet->begin();
    return sheet;
}

DuplicateRowsSheet::DuplicateRowsSheet(DocumentWindow &window, Purpose purpose)
    : CommandSheet(&window, Presentation::WindowModalSheet)
    , m_window(window)
    , m_purpose(purpose)
    , m_columnPopUpButton(new QComboBox(this))
{
    const bool removes = purpose == Purpose::Remove;
    const std::vector<CSVDuplicateRows::KeyColumn> keys = CSVDuplicateRows::open(window.document());
    for (const CSVDuplicateRows::KeyColumn &key : keys)
        m_columnPopUpButton->addItem(key.title, key.identifier);
    m_columnPopUpButton->insertSeparator(1);

    auto *form = new QFormLayout(this);
    auto *title =
        new QLabel(localized(removes ? "LSUDRemoveDuplicateRows" : "LSShowDuplicateRows"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    form->addRow(title);
    form->addRow(new QLabel(localized(removes ? "LSRemoveDuplicateRowsExplanation"
                                              : "LSShowDuplicateRowsExplanation")));
    form->addRow(localized("LSDuplicateRowsKeyColumn"), m_columnPopUpButton);
    form->addRow(makeButtons(localized(removes ? "LSRemove" : "LSShow")));
}

void DuplicateRowsSheet::finish(bool confirmed)
{
    if (!confirmed)
        return;
    const QString key = m_columnPopUpButton->currentData().toString();
    QPointer<DocumentWindow> window(&m_window);
    const Purpose purpose = m_purpose;
    QTimer::singleShot(s_startDelayMilliseconds, window,
                       [window, key, purpose] { DuplicateRowsRun::start(*window, key, purpose); });
}

#include "RemovalQuestion.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNAlert.h"

namespace RemovalQuestion {

void ask(QWidget *window, CSVDocument &document, CSVRemoval::Kind kind)
{
    CSVRemoval removal(document, kind);
    if (removal.isEmpty())
        return;
    if (removal.isQuestionSuppressed()) {
        removal.answer(true, false);
        return;
    }
    const bool rows = kind == CSVRemoval::Kind::Rows;
    ZRNAlert::confirm(
        window, localized(rows ? "LSARemoveRowsEntryTitle" : "LSARemoveColumnsEntryTitle"),
        localized(rows ? "LSARemoveRowsEntry" : "LSARemoveColumnsEntry"), true,
        [removal](bool confirmed, bool suppress) mutable { removal.answer(confirmed, suppress); });
}

} // namespace RemovalQuestion

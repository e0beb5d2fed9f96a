#include "StatusLine.h"

#include "foundation/LocalizedStrings.h"

namespace {

QString selectionPart(qint64 selected)
{
    if (selected == 1)
        return localized("LSOneSelectedRow");
    if (selected >= 2)
        return localized("LSNumberOfSelectedRow").arg(selected);
    return {};
}

QString rowPart(qint64 visible, qint64 total)
{
    if (visible == 1)
        return total == 1 ? localized("LSOneRow") : localized("LSOneRowFiltered").arg(total);
    if (visible >= 2)
        return visible == total ? localized("LSRows").arg(total)
                                : localized("LSRowsFiltered").arg(visible).arg(total);
    return {};
}

} // namespace

QString StatusLine::text(qint64 selectedRows, qint64 visibleRows, qint64 totalRows)
{
    return QStringLiteral("%1 %2").arg(selectionPart(selectedRows),
                                       rowPart(visibleRows, totalRows));
}

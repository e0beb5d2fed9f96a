#include "StatusLine.h"

#include "foundation/LocalizedStrings.h"

#include <QLocale>

namespace {

QString selectionPart(qint64 selected)
{
    return selected > 0 ? localized("LSNumberOfSelectedRow", selected) : QString();
}

QString rowPart(qint64 visible, qint64 total)
{
    if (visible <= 0)
        return {};
    if (visible == total)
        return localized("LSRows", total);
    const QLocale locale;
    return localized("LSRowsFiltered").arg(locale.toString(visible), locale.toString(total));
}

} // namespace

QString StatusLine::text(qint64 selectedRows, qint64 visibleRows, qint64 totalRows)
{
    return QStringLiteral("%1 %2").arg(selectionPart(selectedRows),
                                       rowPart(visibleRows, totalRows));
}

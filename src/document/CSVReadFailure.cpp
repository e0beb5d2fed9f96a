#include "CSVReadFailure.h"

#include "csv/StringEncodingTable.h"

#include "foundation/LocalizedStrings.h"

#include <QFileInfo>
#include <QLocale>

QString CSVReadFailure::localizedDescription(const QString &path) const
{
    const QString name = QFileInfo(path).fileName();
    const QLocale locale;
    const QString lineNumber = locale.toString(line);
    const QString byteNumber = locale.toString(byteOffset);
    const QString rowCount = localized("LSReadRowCount", rowsRead);
    switch (kind) {
    case Undecodable:
        return localized("LSReadUndecodable")
            .arg(name, lineNumber, byteNumber, StringEncodingTable::displayName(encoding),
                 rowCount);
    case UnclosedQuote:
        return localized("LSReadUnclosedQuote").arg(name, lineNumber);
    case ReadError:
        break;
    }
    return localized("LSReadFailed").arg(name, lineNumber, byteNumber, reason, rowCount);
}

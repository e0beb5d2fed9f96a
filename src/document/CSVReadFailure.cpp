#include "CSVReadFailure.h"

#include "csv/StringEncodingTable.h"

#include "foundation/LocalizedStrings.h"

#include <QFileInfo>

QString CSVReadFailure::localizedDescription(const QString &path) const
{
    return localized("LSReadFailed")
        .arg(rowsRead)
        .arg(QFileInfo(path).fileName(), StringEncodingTable::displayName(encoding), reason);
}

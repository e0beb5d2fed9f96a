#include "CSVReadFailure.h"

#include "csv/StringEncodingTable.h"

#include "foundation/LocalizedStrings.h"

#include <QFileInfo>

namespace {

QString rowCount(qint64 rows)
{
    return localized(rows == 1 ? "LSReadRowCountOne" : "LSReadRowCountOther").arg(rows);
}

} // namespace

QString CSVReadFailure::localizedDescription(const QString &path) const
{
    const QString name = QFileInfo(path).fileName();
    const QString encodingName = StringEncodingTable::displayName(encoding);
    switch (kind) {
    case Undecodable:
        return localized("LSReadUndecodable")
            .arg(name, QString::number(line), QString::number(byteOffset), encodingName,
                 rowCount(rowsRead));
    case UnclosedQuote:
        return localized("LSReadUnclosedQuote").arg(name, QString::number(line));
    case ReadError:
        break;
    }
    return localized("LSReadFailed")
        .arg(name, QString::number(line), QString::number(byteOffset), reason, rowCount(rowsRead));
}

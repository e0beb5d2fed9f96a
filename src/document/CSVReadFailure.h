#pragma once

#include "csv/StringEncoding.h"

#include <QString>

// A read that stopped part way (a read error or bytes the encoding cannot decode). The
// document keeps the rows read before it and stays read-only: saving would destroy the rest of
// the file.
struct CSVReadFailure
{
    qint64 rowsRead = 0;
    StringEncoding encoding = 0;
    QString reason;

    // The message the window shows, naming the file.
    QString localizedDescription(const QString &path) const;
};

#pragma once

#include "document/CSVDocument.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Files for the document tests, in a folder of the test's own, and documents read from them
// with their columns built, as a window shows them.
class DocumentFiles
{
protected:
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("table.csv"));
    std::unique_ptr<CSVDocument> open(const QByteArray &bytes,
                                      const CSVImportExportPreset &preset = {});

    QTemporaryDir m_dir;
};

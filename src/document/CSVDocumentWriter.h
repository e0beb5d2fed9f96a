#pragma once

#include "csv/ZRNCSVExport.h"

#include <QString>

class CSVDocument;
class Error;

// Saves a document's table as delimited text under its export preset: the shown data columns in
// display order, their titles first when the preset asks for a header record, and every row
// whatever a filter shows. A row too short for a shown column has an empty cell there.
//
// The target is replaced as CSVFileReplacement does: only once all the text was written to the
// disk beside it, keeping the file's identity. On a failure before that the target stays
// exactly as it was.
class CSVDocumentWriter
{
public:
    static QString errorDomain();
    enum ErrorCode : qint64 { SaveFailed = 1, SaveCancelled = 2 };

    // False, with an error naming the file and the reason, when the file could not be saved.
    // The progress, when given, learns the rows written (the titles count as one) and may stop
    // the save: it then fails with SaveCancelled, and the target is left alone. Only reads the
    // document, so it may run on a worker while the document stays unchanged.
    static bool write(const CSVDocument &document, const QString &path, Error *error,
                      const ZRNCSVExport::Progress &progress = {});
};

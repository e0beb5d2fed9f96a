#include "BenchDocumentArgument.h"

#include "document/CSVDocument.h"

#include "foundation/Error.h"

#include <QTextStream>

std::unique_ptr<CSVDocument> readDocumentArgument(const QStringList &arguments, const char *mode,
                                                  int &exitCode)
{
    QTextStream err(stderr);
    if (arguments.size() != 1) {
        err << "usage: tabwright-bench " << mode << " FILE\n";
        exitCode = 2;
        return nullptr;
    }
    Error error;
    std::unique_ptr<CSVDocument> document =
        CSVDocument::withContentsOfURL(arguments.first(), {}, &error);
    if (!document) {
        err << error.localizedDescription() << '\n';
        exitCode = 1;
    }
    return document;
}

#include "BenchDocumentArgument.h"

#include "document/CSVDocument.h"

#include "foundation/Error.h"

#include <QTextStream>

std::unique_ptr<CSVDocument> readDocumentArgument(const QStringList &arguments, const char *mode,
                                                  int &exitCode, const char *usage)
{
    QTextStream err(stderr);
    if (arguments.size() != QString::fromLatin1(usage).count(u' ') + 1) {
        err << "usage: tabwright-bench " << mode << ' ' << usage << '\n';
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

std::unique_ptr<CSVDocument> readTableArgument(const QStringList &arguments, const char *mode,
                                               int &exitCode, QTextStream &out)
{
    std::unique_ptr<CSVDocument> document = readDocumentArgument(arguments, mode, exitCode);
    if (!document)
        return nullptr;
    document->buildTableViewColumns();
    out << "rows " << document->rowArrays().size() << ", columns " << document->numberOfColumns()
        << '\n';
    return document;
}

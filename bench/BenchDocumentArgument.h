#pragma once

#include <QStringList>

#include <memory>

class CSVDocument;
class QTextStream;

// The document of a mode's first argument, FILE, read as opening it does. With another number
// of arguments than the usage names, or when the file cannot be read, prints the usage or the
// reason and answers nullptr with the exit code the mode returns.
std::unique_ptr<CSVDocument> readDocumentArgument(const QStringList &arguments, const char *mode,
                                                  int &exitCode, const char *usage = "FILE");
// The same with its columns built, its size printed first ("rows 1000000, columns 8").
std::unique_ptr<CSVDocument> readTableArgument(const QStringList &arguments, const char *mode,
                                               int &exitCode, QTextStream &out);

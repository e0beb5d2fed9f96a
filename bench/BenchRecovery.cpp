#include "BenchCommands.h"
#include "BenchDocumentArgument.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "feedback/RecoveryFile.h"
#include "foundation/Error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

// Times the recovery copy of FILE's document: the snapshot the main thread takes (the pause a
// user could feel while editing), writing it (on a worker in the program), and reading it back
// into a document after a crash.
int recoveryCommand(const QStringList &arguments)
{
    int exitCode = 0;
    const std::unique_ptr<CSVDocument> document =
        readDocumentArgument(arguments, "recovery", exitCode);
    if (!document)
        return exitCode;
    QTextStream out(stdout);
    const QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("copy.recovery"));

    Measurement measurement;
    const RecoveryFile copy = RecoveryFile::snapshot(*document, QStringLiteral("bench"));
    out << "snapshot (main thread): " << measurement.seconds() << " s\n" << Qt::flush;
    measurement.restart();
    Error error;
    if (!copy.write(path, &error)) {
        out << error.localizedDescription() << '\n';
        return 1;
    }
    out << "write (worker): " << measurement.seconds() << " s, "
        << Measurement::megabytes(QFile(path).size()) << '\n'
        << Qt::flush;
    measurement.restart();
    const std::optional<RecoveryFile> read = RecoveryFile::read(path, &error);
    const std::unique_ptr<CSVDocument> recovered = read ? read->makeDocument() : nullptr;
    out << "read back: " << measurement.seconds() << " s, "
        << (recovered && recovered->rowArrays().size() == document->rowArrays().size()
                ? "same row count"
                : "ROWS DIFFER")
        << ", peak " << Measurement::megabytes(Measurement::peakMemoryBytes()) << '\n';
    return 0;
}

#include "BenchCommands.h"
#include "BenchWriteOptions.h"
#include "Measurement.h"

#include "document/CSVDocument.h"
#include "document/CSVOpenAssistantPreview.h"

#include "foundation/Error.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

// The document of the file as the open assistant makes it when the user confirms what it
// guessed: the encoding, separator and line ending the file seems to use, no header row.
std::unique_ptr<CSVDocument> openAsGuessed(const QString &path, QTextStream &err)
{
    Error error;
    const auto preview = CSVOpenAssistantPreview::forFile(path, {}, &error);
    auto document =
        preview ? CSVDocument::withContentsOfURL(path, preview->preset(), &error) : nullptr;
    if (!document) {
        err << error.localizedDescription() << '\n';
        return nullptr;
    }
    if (document->readFailure()) {
        err << document->readFailure()->localizedDescription(path) << '\n';
        return nullptr;
    }
    document->buildTableViewColumns(); // as its window does
    return document;
}

void applyOverrides(CSVDocument &document, const BenchWriteOptions &options)
{
    CSVSavePanelChoices choices = CSVSavePanelChoices::fromPreset(document.exportPreset());
    choices.encoding = options.encoding.value_or(choices.encoding);
    choices.separatorType = options.separatorType.value_or(choices.separatorType);
    choices.lineEndingType = options.lineEndType.value_or(choices.lineEndingType);
    document.saveAccessoryViewChanged(choices);
}

bool haveSameBytes(const QString &first, const QString &second)
{
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!a.atEnd()) {
        if (a.read(chunk) != b.read(chunk))
            return false;
    }
    return true;
}

} // namespace

// Reads IN into a document as opening it does, untimed, then times saving it to OUT through
// the document's own save path, the atomic replacement of OUT included (best of --repeat runs).
int saveCommand(const QStringList &arguments)
{
    QTextStream err(stderr);
    BenchWriteOptions options;
    if (!options.read("save", arguments))
        return 2;
    const std::unique_ptr<CSVDocument> document = openAsGuessed(options.in, err);
    if (!document)
        return 1;
    applyOverrides(*document, options);

    double seconds = 0;
    for (int run = 0; run < options.repeat; ++run) {
        const Measurement measurement;
        Error error;
        if (!document->saveToURL(options.out, &error)) {
            err << error.localizedDescription() << '\n';
            return 1;
        }
        seconds = run == 0 ? measurement.seconds() : std::min(seconds, measurement.seconds());
    }
    const qint64 bytes = QFile(options.out).size();
    QTextStream(stdout) << Measurement::writeFigures(qint64(document->rowArrays().size()), bytes,
                                                     seconds)
                        << "  same bytes as IN: "
                        << (haveSameBytes(options.in, options.out) ? "yes" : "no") << '\n';
    return 0;
}

#include "BenchCommands.h"
#include "ParserBenchOptions.h"

#include "csv/ZRNCSVParser.h"
#include "csv/ZRNCSVParserDelegate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

// Writes every line as a JSON array of its fields, one line of output per line read.
class DumpingDelegate : public ZRNCSVParserDelegate
{
public:
    explicit DumpingDelegate(QFile &out) : m_out(out) {}

    QString failure;

    void parserDidStartDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidStartLine(ZRNCSVParser &, qint64) override { m_fields = {}; }
    void parserDidReadField(ZRNCSVParser &, QStringView field) override
    {
        m_fields.append(field.toString());
    }
    void parserDidEndLine(ZRNCSVParser &, qint64) override
    {
        m_out.write(QJsonDocument(m_fields).toJson(QJsonDocument::Compact) + '\n');
    }
    void parserDidEndDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidFailWithError(ZRNCSVParser &, const Error &error) override
    {
        failure = QStringLiteral("%1 (%2 %3)")
                      .arg(error.localizedDescription(), error.domain())
                      .arg(error.code());
    }

private:
    QFile &m_out;
    QJsonArray m_fields;
};

} // namespace

int dumpCommand(const QStringList &arguments)
{
    ParserBenchOptions options;
    if (!options.read(arguments))
        return 2;
    const auto parser = options.makeParser();
    if (!parser)
        return 1;
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    DumpingDelegate dumper(out);
    parser->setParserDelegate(&dumper);
    parser->parse();
    out.flush();
    if (!dumper.failure.isEmpty()) {
        QTextStream(stderr) << "failed: " << dumper.failure << '\n';
        return 1;
    }
    return 0;
}

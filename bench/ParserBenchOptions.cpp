#include "ParserBenchOptions.h"

#include "csv/ZRNCSVParser.h"

#include <QTextStream>

namespace {

bool complain(const QString &message)
{
    QTextStream(stderr) << message << '\n';
    return false;
}

} // namespace

bool ParserBenchOptions::read(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (argument == QLatin1String("--trim")) {
            trimSpaces = true;
        } else if (argument == QLatin1String("--backslash-escapes")) {
            backslashEscapes = true;
        } else if (argument == QLatin1String("--encoding") && hasValue) {
            encoding = arguments[++i].toULongLong(&ok, 0);
        } else if (argument == QLatin1String("--separator") && hasValue) {
            separatorType = arguments[++i].toLongLong(&ok);
            ok = ok && separatorType >= 0 && separatorType <= 2;
        } else if (file.isEmpty() && !argument.startsWith(QLatin1String("--"))) {
            file = argument;
        } else {
            return complain(QStringLiteral("unexpected argument %1").arg(argument));
        }
        if (!ok)
            return complain(QStringLiteral("bad value for %1").arg(argument));
    }
    return !file.isEmpty() || complain(QStringLiteral("no file given"));
}

std::unique_ptr<ZRNCSVParser> ParserBenchOptions::makeParser() const
{
    Error error;
    auto parser = ZRNCSVParser::withContentsOfCSVFile(file, encoding, &error);
    if (!parser) {
        complain(QStringLiteral("%1: %2").arg(file, error.localizedDescription()));
        return nullptr;
    }
    parser->setSeparatorType(separatorType);
    parser->setTrimSpaces(trimSpaces);
    parser->setBackslashEscapes(backslashEscapes);
    return parser;
}

#include "BenchWriteOptions.h"

#include <QTextStream>

namespace {

bool parseValue(const QString &argument, const QString &value, BenchWriteOptions &options)
{
    bool ok = false;
    if (argument == QLatin1String("--encoding"))
        options.encoding = value.toULongLong(&ok, 0);
    else if (argument == QLatin1String("--separator"))
        options.separatorType = value.toInt(&ok);
    else if (argument == QLatin1String("--line-ending"))
        options.lineEndType = value.toInt(&ok);
    else if (argument == QLatin1String("--repeat"))
        ok = (options.repeat = value.toInt(&ok)) > 0 && ok;
    return ok;
}

} // namespace

bool BenchWriteOptions::read(const char *mode, const QStringList &arguments)
{
    QStringList files;
    bool ok = true;
    for (qsizetype i = 0; ok && i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--")))
            files.append(argument);
        else
            ok = i + 1 < arguments.size() && parseValue(argument, arguments[++i], *this);
    }
    in = files.value(0);
    out = files.value(1);
    if (ok && files.size() == 2)
        return true;
    QTextStream(stderr) << "usage: tabwright-bench " << mode << ' ' << Usage << '\n';
    return false;
}

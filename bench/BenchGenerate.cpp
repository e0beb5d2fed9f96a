#include "BenchCommands.h"
#include "BenchTableGenerator.h"
#include "Measurement.h"

#include <QFile>
#include <QTextStream>

int generateCommand(const QStringList &arguments)
{
    QTextStream err(stderr);
    const bool numbers = !arguments.isEmpty() && arguments.first() == u"--numbers";
    const QStringList rest = arguments.mid(numbers ? 1 : 0);
    bool ok = rest.size() == 2;
    const qint64 rows = ok ? rest[0].toLongLong(&ok) : 0;
    if (!ok || rows < 0) {
        err << "usage: tabwright-bench generate " << GenerateUsage << '\n';
        return 2;
    }
    QFile file(rest[1]);
    const Measurement measurement;
    const auto write = numbers ? BenchTableGenerator::writeNumbers : BenchTableGenerator::write;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !write(rows, file) ||
        !file.flush()) {
        err << rest[1] << ": " << file.errorString() << '\n';
        return 1;
    }
    QTextStream(stdout) << "rows " << rows << "  bytes " << file.size() << "  seconds "
                        << measurement.seconds() << '\n';
    return 0;
}

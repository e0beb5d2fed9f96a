#include "BenchCommands.h"
#include "BenchTableGenerator.h"
#include "Measurement.h"

#include <QFile>
#include <QTextStream>

int generateCommand(const QStringList &arguments)
{
    QTextStream err(stderr);
    bool ok = arguments.size() == 2;
    const qint64 rows = ok ? arguments[0].toLongLong(&ok) : 0;
    if (!ok || rows < 0) {
        err << "usage: tabwright-bench generate ROWS FILE\n";
        return 2;
    }
    QFile file(arguments[1]);
    const Measurement measurement;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !BenchTableGenerator::write(rows, file) || !file.flush()) {
        err << arguments[1] << ": " << file.errorString() << '\n';
        return 1;
    }
    QTextStream(stdout) << "rows " << rows << "  bytes " << file.size() << "  seconds "
                        << measurement.seconds() << '\n';
    return 0;
}

#include "BenchCommands.h"

#include "csv/StringEncodingTable.h"
#include "csv/ZRNEncodingManager.h"

#include <QTextStream>

// Prints the encoding the open assistant would start with for FILE.
int detectCommand(const QStringList &arguments)
{
    if (arguments.size() != 1) {
        QTextStream(stderr) << "usage: tabwright-bench detect FILE\n";
        return 2;
    }
    const StringEncoding encoding = ZRNEncodingManager::encodingForFile(arguments[0]);
    QTextStream(stdout) << encoding << ' ' << StringEncodingTable::displayName(encoding) << '\n';
    return 0;
}

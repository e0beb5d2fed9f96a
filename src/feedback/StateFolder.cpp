#include "StateFolder.h"

#include "ApplicationDescription.h"

#include <QDir>
#include <QStandardPaths>

QString StateFolder::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString StateFolder::logFilePath()
{
    return QDir(path()).filePath(ApplicationDescription::standard().executable +
                                 QStringLiteral(".log"));
}

QString StateFolder::recoveryPath()
{
    return QDir(path()).filePath(QStringLiteral("recovery"));
}

#include "TestData.h"

#include <QDir>
#include <QFile>

namespace TestData {

QString path(const QString &relativePath)
{
    return QDir(QStringLiteral(TABWRIGHT_TESTDATA_DIR)).filePath(relativePath);
}

QByteArray read(const QString &relativePath)
{
    QFile file(path(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace TestData

#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace TestData {

QString path(const QString &relativePath)
{
    return QDir(QStringLiteral(TABWRIGHT_TESTDATA_DIR)).filePath(relativePath);
}

QByteArray read(const QString &relativePath)
{
    QFile file(path(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace TestData

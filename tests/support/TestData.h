#pragma once

#include <QByteArray>
#include <QString>

class QTemporaryDir;

// Files of the public conformance suites and encoding samples kept under tests/data, and the
// files a test writes for itself.
namespace TestData {

QString path(const QString &relativePath);
QByteArray read(const QString &relativePath);
// The file's bytes, or "<missing>".
QByteArray readFile(const QString &path);
// Writes the bytes to a file of that name in the folder and answers its path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

} // namespace TestData

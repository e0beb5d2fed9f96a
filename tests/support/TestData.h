#pragma once

#include <QByteArray>
#include <QString>

// Files of the public conformance suites and encoding samples kept under tests/data.
namespace TestData {

QString path(const QString &relativePath);
QByteArray read(const QString &relativePath);

} // namespace TestData

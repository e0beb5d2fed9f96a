#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <iosfwd>

// Readable failure messages for Qt values in GoogleTest assertions.
void PrintTo(const QString &value, std::ostream *os);
void PrintTo(const QStringList &value, std::ostream *os);
void PrintTo(const QByteArray &value, std::ostream *os);
void PrintTo(const QVariant &value, std::ostream *os);

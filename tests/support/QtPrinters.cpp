#include "QtPrinters.h"

#include <QDebug>

#include <ostream>

void PrintTo(const QString &value, std::ostream *os)
{
    *os << '"' << value.toStdString() << '"';
}

void PrintTo(const QStringList &value, std::ostream *os)
{
    *os << '[';
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (i > 0)
            *os << ", ";
        PrintTo(value.at(i), os);
    }
    *os << ']';
}

void PrintTo(const QByteArray &value, std::ostream *os)
{
    *os << "bytes(" << value.toHex(' ').toStdString() << ')';
}

void PrintTo(const QVariant &value, std::ostream *os)
{
    QString text;
    QDebug(&text) << value;
    *os << text.toStdString();
}

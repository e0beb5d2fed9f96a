#include "CountField.h"

#include <QIntValidator>

CountField::CountField(int maximum, QWidget *parent) : QLineEdit(QStringLiteral("1"), parent)
{
    setValidator(new QIntValidator(0, maximum, this));
    selectAll();
}

int CountField::count() const
{
    return hasAcceptableInput() ? text().toInt() : 0;
}

#pragma once

#include <QLineEdit>

// The count field of the insert sheets: a whole number from 0 to a maximum, starting at 1.
// Anything else reads as 0, which inserts nothing.
class CountField : public QLineEdit
{
    Q_OBJECT

public:
    CountField(int maximum, QWidget *parent);

    int count() const;
};

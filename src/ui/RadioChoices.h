#pragma once

#include <QButtonGroup>

#include <initializer_list>
#include <utility>

class QBoxLayout;

// A radio group of a sheet: one button per choice, each with the choice's tag as its id, laid
// out one after the other.
class RadioChoices : public QButtonGroup
{
    Q_OBJECT

public:
    using Choice = std::pair<const char *, int>; // title key, tag

    RadioChoices(QWidget *owner, QBoxLayout *layout, std::initializer_list<Choice> choices,
                 int checked);
};

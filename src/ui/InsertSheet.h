#pragma once

#include "CommandSheet.h"
#include "CountField.h"

class QButtonGroup;
class QFormLayout;

// What the insert-rows and insert-columns sheets share: a title, the count field, and one
// radio button per placement with the placement's number as its id.
class InsertSheet : public CommandSheet
{
    Q_OBJECT

public:
    CountField *countField() const { return m_count; }
    QButtonGroup *placementGroup() const { return m_placement; }

protected:
    InsertSheet(QWidget *window, const char *titleKey, const char *countKey, int maximumCount);

    void addChoice(const char *titleKey, int placement, bool enabled = true);
    // Below the choices: a further control, then the buttons with the placement chosen.
    void finishLayout(QWidget *extra, int placement);
    int placement() const;

private:
    QFormLayout *m_form;
    CountField *m_count;
    QButtonGroup *m_placement;
};

#pragma once

#include <QIcon>
#include <QWidget>

// One pane of the preferences window, chosen from the window's toolbar.
class ZRNPreferencePane : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual QString identifier() const = 0;
    virtual QString label() const = 0;
    virtual QString toolTipText() const = 0;
    virtual QIcon icon() const = 0;
    // The pane is about to be shown: load its controls from the settings.
    virtual void willSelect() {}
};

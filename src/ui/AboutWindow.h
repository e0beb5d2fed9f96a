#pragma once

#include <QDialog>

// The about window: the application's icon, name, version and what it is for.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);
};

#pragma once

#include <QMainWindow>

// The window of one document. For now it shows an empty table.
class DocumentWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit DocumentWindow(QWidget *parent = nullptr);
};

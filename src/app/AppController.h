#pragma once

#include <QObject>

class DocumentWindow;

// Sets the application up at launch and owns what lives for the whole run.
class AppController : public QObject
{
    Q_OBJECT

public:
    explicit AppController(QObject *parent = nullptr);

    void applicationDidFinishLaunching();

private:
    DocumentWindow *m_window = nullptr;
};

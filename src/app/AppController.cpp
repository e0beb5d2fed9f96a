#include "AppController.h"

#include "ui/DocumentWindow.h"

AppController::AppController(QObject *parent) : QObject(parent) {}

void AppController::applicationDidFinishLaunching()
{
    m_window = new DocumentWindow;
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->show();
}

#include "GuiTestSupport.h"

#include "ui/OpenAssistant.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace GuiTestSupport {

QMessageBox *openAlert(const QWidget *window)
{
    const auto boxes = window->findChildren<QMessageBox *>();
    for (QMessageBox *box : boxes) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}

bool answerAlert(const QWidget *window, int button)
{
    QMessageBox *box = openAlert(window);
    if (!box || button >= box->buttons().size())
        return false;
    // ZRNAlert gives every button the same role, so they keep the order they were given in.
    box->buttons().at(button)->click();
    return true;
}

OpenAssistant *openAssistant()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        auto *assistant = qobject_cast<OpenAssistant *>(window);
        if (assistant && assistant->isVisible())
            return assistant;
    }
    return nullptr;
}

} // namespace GuiTestSupport

#include "ZRNCloseButton.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QShortcut>

namespace ZRNCloseButton {

void install(QWidget *window, QBoxLayout *layout)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QWidget::close);
    layout->addWidget(buttons);
    // Ctrl+W as well where the platform's Close key is another (Ctrl+F4 on a bare X session).
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence &more :
         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
        if (!keys.contains(more))
            keys.append(more);
    }
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, window);
        QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
    }
}

} // namespace ZRNCloseButton

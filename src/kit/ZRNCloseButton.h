#pragma once

class QBoxLayout;
class QWidget;

// What every auxiliary window of the application offers for closing it: a Close button at the
// bottom of the layout, Escape and the platform's Close key (Ctrl+W).
namespace ZRNCloseButton {

void install(QWidget *window, QBoxLayout *layout);

} // namespace ZRNCloseButton

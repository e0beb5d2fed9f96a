#include "AboutWindow.h"

#include "foundation/LocalizedStrings.h"
#include "kit/ZRNCloseButton.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(localized("LSAboutTitle"));
    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/images/tabwright.svg")).pixmap(96, 96));
    icon->setAlignment(Qt::AlignCenter);
    auto *name =
        new QLabel(QStringLiteral("<h2>%1</h2>").arg(QApplication::applicationDisplayName()), this);
    name->setAlignment(Qt::AlignCenter);
    auto *version =
        new QLabel(localized("LSAboutVersion").arg(QApplication::applicationVersion()), this);
    version->setAlignment(Qt::AlignCenter);
    auto *summary = new QLabel(localized("LSAboutSummary"), this);
    summary->setWordWrap(true);
    summary->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    for (QLabel *label : {icon, name, version, summary})
        layout->addWidget(label);
    ZRNCloseButton::install(this, layout);
    setFixedWidth(360);
}

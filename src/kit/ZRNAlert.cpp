#include "ZRNAlert.h"

#include "ZRNSheetPresentation.h"

#include "foundation/LocalizedStrings.h"

#include <QCheckBox>
#include <QPushButton>

QMessageBox *ZRNAlert::beginSheet(QWidget *window, const Options &options, Completion completion)
{
    Q_ASSERT(!options.buttons.isEmpty());
    auto *box = new QMessageBox(options.icon, QString(), options.messageText, QMessageBox::NoButton,
                                window);
    box->setInformativeText(options.informativeText);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);

    QList<QAbstractButton *> buttons;
    for (const QString &title : options.buttons)
        buttons.append(box->addButton(title, QMessageBox::ActionRole));
    box->setDefaultButton(static_cast<QPushButton *>(buttons.first()));
    if (options.escapeButton >= 0)
        box->setEscapeButton(buttons.at(options.escapeButton));
    if (options.showsSuppressionButton)
        box->setCheckBox(new QCheckBox(localized("LSDontAskAgain"), box));

    ZRNSheetPresentation::sharedPresentation().prepareSheetPresentationForWindow(window);
    QObject::connect(box, &QMessageBox::finished, box, [box, window, buttons, completion] {
        if (!box->clickedButton())
            return;
        ZRNSheetPresentation::sharedPresentation().cleanUpSheetPresentationForWindow(window);
        Result result;
        result.button = int(buttons.indexOf(box->clickedButton()));
        result.suppressionChecked = box->checkBox() && box->checkBox()->isChecked();
        completion(result);
    });
    box->open();
    return box;
}

QMessageBox *ZRNAlert::confirm(QWidget *window, const QString &messageText,
                               const QString &informativeText, bool showsSuppressionButton,
                               std::function<void(bool confirmed, bool suppress)> completion)
{
    Options options;
    options.messageText = messageText;
    options.informativeText = informativeText;
    options.buttons = {localized("LSno"), localized("LSyes")};
    options.escapeButton = 0;
    options.showsSuppressionButton = showsSuppressionButton;
    return beginSheet(window, options, [completion](const Result &result) {
        completion(result.button == 1, result.suppressionChecked);
    });
}

QMessageBox *ZRNAlert::inform(QWidget *window, const QString &messageText,
                              const QString &informativeText, std::function<void()> completion)
{
    Options options;
    options.messageText = messageText;
    options.informativeText = informativeText;
    options.buttons = {localized("LSOK")};
    options.escapeButton = 0;
    return beginSheet(window, options, [completion](const Result &) {
        if (completion)
            completion();
    });
}

#include "RecoveryOffer.h"

#include "foundation/LocalizedStrings.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

QMessageBox *RecoveryOffer::ask(const std::vector<Document> &documents,
                                std::function<void(bool recover)> answered)
{
    QStringList lines;
    for (const Document &document : documents) {
        lines.append(
            document.filePath.isEmpty()
                ? localized("LSRecoveryEntry").arg(document.title, document.changed)
                : localized("LSRecoveryEntryWithPath")
                      .arg(document.title, QFileInfo(document.filePath).path(), document.changed));
    }
    auto *box = new QMessageBox(QMessageBox::Question, localized("LSRecoveryTitle"),
                                localized("LSRecoveryMessage") + QStringLiteral("\n\n• ") +
                                    lines.join(QStringLiteral("\n• ")));
    box->setInformativeText(localized("LSRecoveryInformative"));
    box->setWindowModality(Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *recover = box->addButton(localized("LSRecoveryRecover"), QMessageBox::AcceptRole);
    box->addButton(localized("LSRecoveryDiscard"), QMessageBox::DestructiveRole);
    box->setDefaultButton(recover);
    box->setEscapeButton(recover);
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, recover, answered] { answered(box->clickedButton() == recover); });
    box->open();
    return box;
}

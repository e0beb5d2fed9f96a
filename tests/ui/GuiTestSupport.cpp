#include "GuiTestSupport.h"

#include "ui/OpenAssistant.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>

namespace GuiTestSupport {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

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

bool answerOpenAssistant(bool confirm)
{
    OpenAssistant *assistant = openAssistant();
    if (!assistant)
        return false;
    if (confirm)
        assistant->accept();
    else
        assistant->reject();
    return true;
}

QString visibleRows(CSVDocument &document)
{
    QStringList rows;
    for (const CSVRowPtr &row : document.displayRowArrays())
        rows.append(row->cells().join(QLatin1Char(',')));
    return rows.join(QLatin1Char('|'));
}

QString columns(const CSVDocument &document)
{
    QStringList columns;
    for (const CSVTableColumn &column : document.tableColumns().columns())
        columns.append(column.identifier() + QLatin1Char(':') + column.title());
    return columns.join(QLatin1Char(' '));
}

} // namespace GuiTestSupport

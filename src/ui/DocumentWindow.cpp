#include "DocumentWindow.h"

#include "foundation/LocalizedStrings.h"

#include <QStandardItemModel>
#include <QTableView>

DocumentWindow::DocumentWindow(QWidget *parent) : QMainWindow(parent)
{
    auto *model = new QStandardItemModel(1, 4, this);
    auto *table = new QTableView(this);
    table->setModel(model);
    setCentralWidget(table);
    setWindowTitle(localized("LSUntitledDocument"));
    resize(900, 600);
}

#include "DocumentToolbar.h"

#include "CommandAction.h"

#include "foundation/LocalizedStrings.h"

#include <QLineEdit>

DocumentToolbar::DocumentToolbar(QWidget *parent)
    : QToolBar(localized("LSToolbarName"), parent), m_searchField(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TabwrightMainToolbar"));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));
    setMovable(false);

    addItem("AddRow", "addNewRow", "rowAdd");
    addItem("AddColumn", "addNewColumn", "columnAdd");
    addSeparator();
    addItem("RemoveRow", "removeSelectedRows", "rowRemove");
    addItem("RemoveColumn", "removeSelectedColumns", "columnRemove");

    auto *flexibleSpace = new QWidget(this);
    flexibleSpace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(flexibleSpace);
    addItem("ShowFonts", "orderFrontFontPanel", "showFonts");

    m_searchField->setObjectName(QStringLiteral("SearchFilter"));
    m_searchField->setPlaceholderText(localized("LSSearchFilter"));
    m_searchField->setToolTip(localized("LSSearchFilterToolTip"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setMinimumWidth(180);
    m_searchField->setMaximumWidth(260);
    addWidget(m_searchField);
}

// Each item's label, tooltip and image are named after its identifier: "LSAddRow",
// "LSAddRowToolTip", ":/images/rowAdd.svg".
void DocumentToolbar::addItem(const char *identifier, const char *action, const char *image)
{
    const QString name = QString::fromLatin1(identifier);
    auto *item = new CommandAction({QString::fromLatin1(action)},
                                   localized(QStringLiteral("LS") + name), this);
    item->setToolbarIdentifier(name);
    item->setToolTip(localized(QStringLiteral("LS%1ToolTip").arg(name)));
    item->setIcon(QIcon(QStringLiteral(":/images/%1.svg").arg(QLatin1String(image))));
    connect(item, &QAction::triggered, this, [this, item] { emit commandTriggered(item); });
    addAction(item);
}

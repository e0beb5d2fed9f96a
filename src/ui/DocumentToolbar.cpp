#include "DocumentToolbar.h"

#include "commands/CommandAction.h"
#include "commands/CommandRegistry.h"

#include "foundation/LocalizedStrings.h"

#include <QLineEdit>

DocumentToolbar::DocumentToolbar(QWidget *parent)
    : QToolBar(localized("LSToolbarName"), parent), m_searchField(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TabwrightMainToolbar"));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));
    setMovable(false);

    addItem(CommandId::AddNewRow);
    addItem(CommandId::AddNewColumn);
    addSeparator();
    addItem(CommandId::RemoveSelectedRows);
    addItem(CommandId::RemoveSelectedColumns);

    auto *flexibleSpace = new QWidget(this);
    flexibleSpace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(flexibleSpace);
    addItem(CommandId::OrderFrontFontPanel);

    m_searchField->setObjectName(QStringLiteral("SearchFilter"));
    m_searchField->setPlaceholderText(localized("LSSearchFilter"));
    m_searchField->setToolTip(localized("LSSearchFilterToolTip"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setMinimumWidth(180);
    m_searchField->setMaximumWidth(260);
    addWidget(m_searchField);
}

void DocumentToolbar::addItem(CommandId id)
{
    const ToolbarItem &declared = CommandRegistry::command(id).toolbarItem;
    auto *item = new CommandAction(id, this, localized(declared.labelKey()));
    item->setToolTip(localized(declared.toolTipKey()));
    item->setIcon(QIcon(QStringLiteral(":/images/%1.svg").arg(QLatin1String(declared.image))));
    connect(item, &QAction::triggered, this, [this, item] { emit commandTriggered(item); });
    addAction(item);
}

#include "SearchFilterField.h"

#include "document/CSVDocument.h"
#include "document/search/CSVSearchFilter.h"
#include "foundation/LocalizedStrings.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

SearchFilterField::SearchFilterField(QLineEdit *field, CSVDocument &document)
    : QObject(field)
    , m_field(field)
    , m_document(document)
    , m_menu(new QMenu(field))
    , m_apply(this, [this] { applyText(); })
    , m_rebuild(this, [this] { rebuildMenu(); })
{
    m_menu->setObjectName(QStringLiteral("searchMenu"));
    QAction *columns = m_field->addAction(QIcon(QStringLiteral(":/images/searchColumns.svg")),
                                          QLineEdit::LeadingPosition);
    columns->setToolTip(localized("LSSearchColumnsToolTip"));
    connect(columns, &QAction::triggered, this,
            [this] { m_menu->popup(m_field->mapToGlobal(m_field->rect().bottomLeft())); });
    connect(m_field, &QLineEdit::textChanged, this, [this] { m_apply.schedule(); });
    connect(&m_document, &CSVDocument::searchMenuRebuildRequested, this,
            [this] { m_rebuild.schedule(); });
    connect(&m_document, &CSVDocument::searchFieldResetRequested, this, [this] {
        m_apply.cancel();
        const QSignalBlocker blocker(m_field);
        m_field->setText(m_document.searchField().text);
    });
    rebuildMenu();
}

void SearchFilterField::applyText()
{
    m_apply.cancel();
    if (m_field->text() != m_document.searchField().text)
        CSVSearchFilter::searchStringDidChanged(m_document, m_field->text());
}

void SearchFilterField::rebuildMenu()
{
    m_rebuild.cancel();
    m_menu->clear();
    const auto &items = m_document.searchField().menu.items();
    for (qsizetype index = 0; index < qsizetype(items.size()); ++index) {
        const CSVSearchMenu::Item &item = items[size_t(index)];
        if (item.isSeparator) {
            m_menu->addSeparator();
            continue;
        }
        QAction *action = m_menu->addAction(item.title);
        action->setCheckable(true);
        action->setChecked(item.isOn);
        connect(action, &QAction::triggered, this,
                [this, index] { CSVSearchFilter::searchMenuItemSelected(m_document, index); });
    }
}

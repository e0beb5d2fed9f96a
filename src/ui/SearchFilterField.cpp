#include "SearchFilterField.h"

#include "document/CSVDocument.h"
#include "document/search/CSVSearchFilter.h"
#include "foundation/LocalizedStrings.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

SearchFilterField::SearchFilterField(QLineEdit *field, CSVDocument &document)
    : QObject(field)
    , m_field(field)
    , m_document(document)
    , m_menu(new QMenu(field))
    , m_apply(this, [this] { applyText(); })
{
    m_menu->setObjectName(QStringLiteral("searchMenu"));
    QAction *columns = m_field->addAction(QIcon(QStringLiteral(":/images/searchColumns.svg")),
                                          QLineEdit::LeadingPosition);
    columns->setToolTip(localized("LSSearchColumnsToolTip"));
    connect(columns, &QAction::triggered, this,
            [this] { m_menu->popup(m_field->mapToGlobal(m_field->rect().bottomLeft())); });
    connect(m_field, &QLineEdit::textChanged, this, [this] { m_apply.schedule(); });
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        if (m_isMenuStale)
            rebuildMenu();
    });
    connect(&m_document, &CSVDocument::searchMenuRebuildRequested, this,
            [this] { m_isMenuStale = true; });
    connect(&m_document, &CSVDocument::searchFieldResetRequested, this, [this] {
        m_apply.cancel();
        const QSignalBlocker blocker(m_field);
        m_field->setText(m_document.searchField().text);
    });
}

void SearchFilterField::applyText()
{
    m_apply.cancel();
    if (m_field->text() != m_document.searchField().text)
        CSVSearchFilter::searchStringDidChanged(m_document, m_field->text());
}

void SearchFilterField::rebuildMenu()
{
    // Beyond this many items a menu no longer fits a screen; adding each item also costs time
    // in proportion to the items already there.
    constexpr qsizetype s_maximumItems = 1000;
    m_isMenuStale = false;
    m_menu->clear();
    const auto &items = m_document.searchField().menu.items();
    const qsizetype count = qsizetype(items.size());
    for (qsizetype index = 0; index < std::min(count, s_maximumItems); ++index) {
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
    if (count > s_maximumItems) {
        m_menu->addAction(localized("LSSearchMenuMoreColumns", count - s_maximumItems))
            ->setEnabled(false);
    }
}

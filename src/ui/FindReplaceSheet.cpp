#include "FindReplaceSheet.h"

#include "document/CSVDocument.h"
#include "foundation/LocalizedStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Tag = CSVFindReplace::Tag;

template<typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FindReplaceSheet *FindReplaceSheet::beginSheet(QWidget *window, CSVDocument &document,
                                               const QString &error)
{
    auto *sheet = new FindReplaceSheet(window, document);
    sheet->fill(CSVFindReplace::dialogValues(document));
    if (!error.isEmpty()) {
        sheet->m_patternError->setText(error);
        sheet->m_patternError->show();
        sheet->adjustSize();
    }
    sheet->begin();
    return sheet;
}

FindReplaceSheet::FindReplaceSheet(QWidget *window, CSVDocument &document)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_document(document)
    , m_searchText(named(new QLineEdit(this), "searchText"))
    , m_patternError(named(new QLabel(this), "patternError"))
    , m_replaceText(named(new QLineEdit(this), "replaceText"))
    , m_column(named(new QComboBox(this), "column"))
    , m_ignoreCase(named(new QCheckBox(localized("LSFindIgnoreCase"), this), "ignoreCase"))
    , m_useRegex(named(new QCheckBox(localized("LSFindUseRegex"), this), "useRegex"))
    , m_selectedRowsOnly(
          named(new QCheckBox(localized("LSFindSelectedRowsOnly"), this), "selectedRowsOnly"))
{
    setWindowTitle(localized("LSFindTitle"));
    m_patternError->setWordWrap(true);
    m_patternError->setStyleSheet(QStringLiteral("color: #c0392b"));
    m_patternError->hide();
    m_searchText->setMinimumWidth(320);

    auto *form = new QFormLayout(this);
    form->addRow(localized("LSFindSearchFor"), m_searchText);
    form->addRow(QString(), m_patternError);
    form->addRow(localized("LSFindReplaceWith"), m_replaceText);
    form->addRow(localized("LSFindInColumn"), m_column);
    form->addRow(QString(), m_ignoreCase);
    form->addRow(QString(), m_useRegex);
    form->addRow(QString(), m_selectedRowsOnly);

    auto *buttons = new QHBoxLayout;
    addButton(buttons, localized("LSFindClose"), Tag::Close)->setAutoDefault(false);
    buttons->addStretch();
    addButton(buttons, localized("LSFindSelectAll"), Tag::SelectAll)->setAutoDefault(false);
    QPushButton *replaceAll = addButton(buttons, localized("LSFindReplaceAll"), Tag::ReplaceAll);
    replaceAll->setAutoDefault(false);
    replaceAll->setEnabled(document.isEditable());
    addButton(buttons, localized("LSFindFind"), Tag::Find)->setDefault(true);
    form->addRow(buttons);

    m_column->addItem(localized("LSAllColumns"), QString());
    m_column->insertSeparator(1);
    for (const CSVTableColumn &column : document.tableColumns().columns()) {
        if (column.isEditable() && column.isDataColumn())
            m_column->addItem(column.title(), column.identifier());
    }
    connect(m_searchText, &QLineEdit::textChanged, this, &FindReplaceSheet::checkPattern);
    connect(m_useRegex, &QCheckBox::toggled, this, &FindReplaceSheet::checkPattern);
}

void FindReplaceSheet::fill(const CSVFindReplace::DialogValues &values)
{
    m_searchText->setText(values.searchText);
    m_searchText->selectAll();
    m_replaceText->setText(values.replaceText);
    m_column->setCurrentIndex(std::max(0, m_column->findData(values.columnIdentifier)));
    m_ignoreCase->setChecked(values.ignoreCase);
    m_useRegex->setChecked(values.useRegex);
    m_selectedRowsOnly->setChecked(values.selectedRowsOnly);
}

CSVFindReplace::DialogValues FindReplaceSheet::values() const
{
    return {m_searchText->text(),      m_replaceText->text(),   m_column->currentData().toString(),
            m_ignoreCase->isChecked(), m_useRegex->isChecked(), m_selectedRowsOnly->isChecked()};
}

void FindReplaceSheet::checkPattern()
{
    const QString error = m_useRegex->isChecked()
                              ? CSVCellMatcher(m_searchText->text(), false, true).errorDescription()
                              : QString();
    m_patternError->setText(error);
    m_patternError->setVisible(!error.isEmpty());
    adjustSize();
}

// An invalid regular expression found nothing: the sheet comes back to say why.
void FindReplaceSheet::finishWithTag(int tag)
{
    const QString error = CSVFindReplace::closeDialog(m_document, tag, values());
    if (!error.isEmpty() && tag != Tag::Close)
        beginSheet(parentWidget(), m_document, error);
}

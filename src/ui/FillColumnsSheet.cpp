#include "FillColumnsSheet.h"

#include "RadioChoices.h"

#include "foundation/LocalizedStrings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using Mode = CSVFillColumns::Options::Mode;

const QString s_textTab = QStringLiteral("text");

RadioChoices *modeChoices(QWidget *tab, QBoxLayout *layout, Mode mode)
{
    return new RadioChoices(tab, layout,
                            {{"LSFillReplace", int(Mode::Replace)},
                             {"LSFillAppend", int(Mode::Append)},
                             {"LSFillPrepend", int(Mode::Prepend)}},
                            int(mode));
}

} // namespace

FillColumnsSheet *FillColumnsSheet::beginSheet(QWidget *window, CSVDocument &document)
{
    auto *sheet = new FillColumnsSheet(window, document, CSVFillColumns::open(document));
    sheet->begin();
    return sheet;
}

FillColumnsSheet::FillColumnsSheet(QWidget *window, CSVDocument &document,
                                   const CSVFillColumns::Options &options)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_document(document)
    , m_tabs(new QTabWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(localized("LSFillTitle"), this));
    m_tabs->addTab(makeTextTab(options), localized("LSFillTextTab"));
    m_tabs->addTab(makeNumberTab(options), localized("LSFillNumberTab"));
    layout->addWidget(m_tabs);
    layout->addLayout(makeButtons(localized("LSFill")));
    fillNumberTypeMatrixDidChanged();
}

QWidget *FillColumnsSheet::makeTextTab(const CSVFillColumns::Options &options)
{
    auto *tab = new QWidget;
    tab->setObjectName(s_textTab);
    auto *layout = new QVBoxLayout(tab);
    auto *form = new QFormLayout;
    m_text = new QLineEdit(options.text, tab);
    form->addRow(localized("LSFillText"), m_text);
    layout->addLayout(form);
    m_textMode = modeChoices(tab, layout, options.textMode);
    layout->addStretch();
    return tab;
}

QWidget *FillColumnsSheet::makeNumberTab(const CSVFillColumns::Options &options)
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("number"));
    auto *layout = new QVBoxLayout(tab);
    auto *form = new QFormLayout;
    m_start = new QLineEdit(options.start, tab);
    m_increment = new QLineEdit(options.increment, tab);
    form->addRow(localized("LSFillStart"), m_start);
    form->addRow(localized("LSFillIncrement"), m_increment);
    layout->addLayout(form);
    m_numberMode = modeChoices(tab, layout, options.numberMode);
    m_separator = new QCheckBox(localized("LSFillInsertSeparator"), tab);
    m_separator->setChecked(options.insertsSeparator);
    layout->addWidget(m_separator);
    connect(m_numberMode, &QButtonGroup::idClicked, this,
            [this] { fillNumberTypeMatrixDidChanged(); });
    return tab;
}

void FillColumnsSheet::fillNumberTypeMatrixDidChanged()
{
    m_separator->setEnabled(CSVFillColumns::isSeparatorEnabled(Mode(m_numberMode->checkedId())));
}

void FillColumnsSheet::finish(bool confirmed)
{
    CSVFillColumns::Options options;
    options.fillsText = m_tabs->currentWidget()->objectName() == s_textTab;
    options.text = m_text->text();
    options.textMode = Mode(m_textMode->checkedId());
    options.start = m_start->text();
    options.increment = m_increment->text();
    options.numberMode = Mode(m_numberMode->checkedId());
    options.insertsSeparator = m_separator->isChecked();
    CSVFillColumns::close(m_document, options, confirmed);
}

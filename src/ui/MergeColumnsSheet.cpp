#include "MergeColumnsSheet.h"

#include "MergeOrderModel.h"
#include "RadioChoices.h"

#include "foundation/LocalizedStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace {

using Separator = CSVMergeColumns::Options::Separator;

} // namespace

MergeColumnsSheet *MergeColumnsSheet::beginSheet(QWidget *window, CSVDocument &document)
{
    auto *sheet = new MergeColumnsSheet(window, document, CSVMergeColumns::open(document));
    sheet->begin();
    return sheet;
}

MergeColumnsSheet::MergeColumnsSheet(QWidget *window, CSVDocument &document,
                                     const CSVMergeColumns::Options &options)
    : CommandSheet(window, Presentation::WindowModalSheet)
    , m_document(document)
    , m_orderModel(new MergeOrderModel(options.order, this))
    , m_order(new QListView(this))
    , m_destination(new QComboBox(this))
    , m_separatorText(new QLineEdit(options.separatorText, this))
    , m_removesSources(new QCheckBox(localized("LSMergeRemoveSources"), this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(localized("LSMergeTitle"), this));
    layout->addWidget(new QLabel(localized("LSMergeOrder"), this));
    m_order->setModel(m_orderModel);
    m_order->setDragDropMode(QAbstractItemView::DragDrop);
    m_order->setDefaultDropAction(Qt::MoveAction);
    m_order->setDropIndicatorShown(true);
    for (const CSVMergeColumns::Entry &entry : options.order)
        m_destination->addItem(entry.name, entry.identifier);
    layout->addWidget(m_order);
    auto *form = new QFormLayout;
    m_destination->setCurrentIndex(std::max(m_destination->findData(options.destination), 0));
    form->addRow(localized("LSMergeDestination"), m_destination);
    layout->addLayout(form);
    m_separator = new RadioChoices(this, layout,
                                   {{"LSMergeSeparatorNone", int(Separator::Nothing)},
                                    {"LSMergeSeparatorBlank", int(Separator::Blank)},
                                    {"LSMergeSeparatorText", int(Separator::Text)}},
                                   int(options.separator));
    layout->addWidget(m_separatorText);
    connect(m_separator, &QButtonGroup::idClicked, this,
            [this] { mergeSeparatorTypeDidChanged(); });
    mergeSeparatorTypeDidChanged();
    m_removesSources->setChecked(options.removesSources);
    layout->addWidget(m_removesSources);
    layout->addLayout(makeButtons(localized("LSMerge")));
}

void MergeColumnsSheet::mergeSeparatorTypeDidChanged()
{
    m_separatorText->setEnabled(
        CSVMergeColumns::isSeparatorTextEnabled(Separator(m_separator->checkedId())));
}

void MergeColumnsSheet::finish(bool confirmed)
{
    CSVMergeColumns::Options options;
    options.order = m_orderModel->entries();
    options.destination = m_destination->currentData().toString();
    options.separator = Separator(m_separator->checkedId());
    options.separatorText = m_separatorText->text();
    options.removesSources = m_removesSources->isChecked();
    CSVMergeColumns::close(m_document, options, confirmed);
}

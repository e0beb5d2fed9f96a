#include "ColumnTitlePanel.h"

#include "CSVTableColumnHeaderView.h"
#include "DocumentWindow.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVColumnCommands.h"
#include "foundation/LocalizedStrings.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

ColumnTitlePanel *ColumnTitlePanel::beginPanel(DocumentWindow &window, qint64 column)
{
    const CSVTableColumns &columns = window.document().tableColumns();
    if (window.attachedWindow() || column < 0 || column >= columns.count())
        return nullptr;
    auto *panel = new ColumnTitlePanel(window, columns.at(column));
    panel->attachBelowHeader(column);
    window.setAttachedWindow(panel);
    panel->begin();
    panel->m_field->setFocus();
    return panel;
}

ColumnTitlePanel::ColumnTitlePanel(DocumentWindow &window, const CSVTableColumn &column)
    : CommandSheet(&window, Presentation::AttachedPanel)
    , m_window(window)
    , m_editedTableColumn(column)
    , m_field(new QLineEdit(column.title(), this))
{
    // A frameless panel draws its own edge.
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(new QLabel(localized("LSColumnTitle"), frame));
    layout->addWidget(m_field);
    layout->addLayout(makeButtons(localized("LSSetColumnTitle")));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    m_field->selectAll();
}

// The panel's top edge sits half the header's height below the middle of the column's header
// cell, kept within the part of the header on screen.
void ColumnTitlePanel::attachBelowHeader(qint64 column)
{
    CSVTableColumnHeaderView *header = m_window.columnHeaderView();
    const int left = header->sectionViewportPosition(int(column));
    const int middle = std::clamp(left + header->sectionSize(int(column)) / 2, 0, header->width());
    const QPoint anchor = header->mapToGlobal(QPoint(middle, header->height()));
    adjustSize();
    move(anchor.x() - width() / 2, anchor.y());
}

void ColumnTitlePanel::finish(bool confirmed)
{
    m_window.setAttachedWindow(nullptr);
    if (confirmed)
        CSVColumnCommands::setTitle(m_window.document(), m_editedTableColumn, m_field->text());
}

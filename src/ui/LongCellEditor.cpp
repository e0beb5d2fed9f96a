#include "LongCellEditor.h"

#include "foundation/LocalizedStrings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

LongCellEditor::LongCellEditor(QWidget *parent)
    : QFrame(parent)
    , m_area(new QPlainTextEdit(this))
    , m_parts(new QScrollBar(Qt::Horizontal, this))
    , m_partLabel(new QLabel(this))
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_area->installEventFilter(this);
    setFocusProxy(m_area);
    auto *partRow = new QHBoxLayout;
    partRow->addWidget(m_partLabel);
    partRow->addWidget(m_parts, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    layout->addWidget(m_area);
    layout->addLayout(partRow);
    connect(m_parts, &QScrollBar::valueChanged, this, [this](int part) {
        takeInPart();
        showPart(part);
    });
}

void LongCellEditor::setText(const QString &text)
{
    m_text = text;
    m_takenIn = false;
    const int parts = int((std::max<qsizetype>(m_text.size(), 1) - 1) / s_partLength + 1);
    const QSignalBlocker blocker(m_parts);
    m_parts->setRange(0, parts - 1);
    m_parts->setValue(0);
    m_partLabel->setVisible(parts > 1);
    m_parts->setVisible(parts > 1);
    showPart(0);
    // As in a cell's line: a typed character replaces a text shown whole.
    if (parts == 1)
        m_area->selectAll();
}

QString LongCellEditor::text()
{
    takeInPart();
    return m_text;
}

bool LongCellEditor::isModified() const
{
    return m_takenIn || m_area->document()->isModified();
}

void LongCellEditor::placeCursorAtEnd()
{
    m_area->moveCursor(QTextCursor::End);
}

// Parts end between two UTF-16 units of one character never.
void LongCellEditor::showPart(int part)
{
    m_partStart = std::min(qsizetype(part) * s_partLength, m_text.size());
    m_partLength = std::min(s_partLength, m_text.size() - m_partStart);
    if (m_partLength > 0 && m_partStart + m_partLength < m_text.size() &&
        m_text.at(m_partStart + m_partLength - 1).isHighSurrogate())
        ++m_partLength;
    m_area->setPlainText(m_text.mid(m_partStart, m_partLength));
    m_area->document()->setModified(false);
    m_partLabel->setText(localized("LSLongCellPart").arg(part + 1).arg(m_parts->maximum() + 1));
}

void LongCellEditor::takeInPart()
{
    if (!m_area->document()->isModified())
        return;
    // The raw text keeps no-break spaces, which the plain text turns into blanks.
    QString part = m_area->document()->toRawText();
    part.replace(QChar::ParagraphSeparator, u'\n');
    m_text.replace(m_partStart, m_partLength, part);
    m_partLength = part.size();
    m_area->document()->setModified(false);
    m_takenIn = true;
    const QSignalBlocker blocker(m_parts);
    m_parts->setMaximum(int((std::max<qsizetype>(m_text.size(), 1) - 1) / s_partLength));
}

bool LongCellEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Escape)
        emit cancelRequested();
    else if (key->key() == Qt::Key_Tab)
        emit commitRequested(QAbstractItemDelegate::EditNextItem);
    else if (key->key() == Qt::Key_Backtab)
        emit commitRequested(QAbstractItemDelegate::EditPreviousItem);
    else if (enter && key->modifiers().testFlag(Qt::ControlModifier))
        emit commitRequested(QAbstractItemDelegate::SubmitModelCache);
    else
        return false;
    return true;
}

#pragma once

#include <QAbstractItemDelegate>
#include <QFrame>

class QLabel;
class QPlainTextEdit;
class QScrollBar;

// The editor of a long cell, or of one with several lines: a text area over the table, where
// Enter breaks the line, Tab, Shift+Tab or Ctrl+Enter commit and Escape cancels. A text of
// hundreds of megabytes is edited a part at a time (the bar below picks the part), so that
// laying out what is shown never freezes the window; the parts left alone stay as they were,
// byte for byte.
class LongCellEditor : public QFrame
{
    Q_OBJECT

public:
    static constexpr qsizetype s_partLength = 1 << 16;

    explicit LongCellEditor(QWidget *parent = nullptr);

    void setText(const QString &text);
    // The whole text, the part being edited included.
    QString text();
    bool isModified() const;
    void placeCursorAtEnd();

    QPlainTextEdit *textArea() const { return m_area; }
    QScrollBar *partBar() const { return m_parts; }

signals:
    void commitRequested(QAbstractItemDelegate::EndEditHint hint);
    void cancelRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPart(int part);
    void takeInPart();

    QString m_text;
    qsizetype m_partStart = 0;
    qsizetype m_partLength = 0;
    bool m_takenIn = false; // a part was changed and is in m_text
    QPlainTextEdit *m_area;
    QScrollBar *m_parts;
    QLabel *m_partLabel;
};

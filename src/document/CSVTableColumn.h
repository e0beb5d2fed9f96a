#pragma once

#include <QString>

// The text alignments of headers and cells. The numbers are stored in copied column
// descriptions and carried by menu tags, so they never change.
enum class TextAlignment : int { Left = 0, Right = 1, Center = 2 };

// One shown column of a document's table, without any widget. Its identifier is the decimal
// position of its cell within every row; it stays with the column when the column is moved, so
// display order and cell order may differ.
class CSVTableColumn
{
public:
    static constexpr double s_defaultWidth = 200.0;
    static constexpr double s_minimumWidth = 20.0;
    // Marks a column that shows no data (a row-title column); never made by the document.
    static constexpr char s_rowTitleIdentifier[] = "ColumnRowTitle";

    CSVTableColumn() = default;
    CSVTableColumn(QString title, QString identifier, double width = s_defaultWidth,
                   TextAlignment contentAlignment = TextAlignment::Left);

    // A new data column for a cell position, titled with its number counted from 1.
    static CSVTableColumn forPosition(qint64 position);

    const QString &identifier() const { return m_identifier; }
    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    double width() const { return m_width; }
    void setWidth(double width);
    double minimumWidth() const { return s_minimumWidth; }
    TextAlignment headerAlignment() const { return TextAlignment::Center; }
    TextAlignment contentAlignment() const { return m_contentAlignment; }
    void setContentAlignment(TextAlignment alignment) { m_contentAlignment = alignment; }
    bool isEditable() const { return true; }

    bool isDataColumn() const;
    // The cell position the column shows; -1 for a column that is no data column.
    qint64 position() const;

    bool operator==(const CSVTableColumn &) const = default;

private:
    QString m_title;
    QString m_identifier;
    double m_width = s_defaultWidth;
    TextAlignment m_contentAlignment = TextAlignment::Left;
};

#pragma once

#include "document/commands/CSVCellWidthMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>

#include <array>

class QWidget;

// Measures cells as the document table draws them: what the cell shows of its text
// (TableCellText), in the table's font, with its style's margins and the grid line, and titles
// as its header draws them, beside the header's arrow. The estimate adds up the advances of the
// characters, which kerning and shaping only ever narrow in the fonts we ship with.
class TableCellWidthMeasure : public CSVCellWidthMeasure
{
public:
    // The table, for its font and style.
    explicit TableCellWidthMeasure(const QWidget *table);

    double width(QAnyStringView text) const override;
    double upperBound(QAnyStringView text) const override;
    double titleWidth(const QString &title) const override;

private:
    double advances(QStringView text) const;
    double gridWidth() const;
    double advance(char32_t character) const;

    const QWidget *m_table;
    QFont m_font;
    QFontMetricsF m_metrics;
    double m_margins;
    std::array<double, 256> m_latin1Advances;
    mutable QHash<char32_t, double> m_otherAdvances;
};

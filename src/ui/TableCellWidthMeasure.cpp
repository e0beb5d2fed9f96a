#include "TableCellWidthMeasure.h"

#include "CSVTableColumnHeaderView.h"
#include "TableCellText.h"

#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QWidget>

#include <cmath>

TableCellWidthMeasure::TableCellWidthMeasure(const QWidget *table)
    : m_table(table)
    , m_font(table->font())
    , m_metrics(m_font)
    // The item views' text margin, on both sides.
    , m_margins(2.0 *
                (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1))
{
    for (size_t c = 0; c < m_latin1Advances.size(); ++c)
        m_latin1Advances[c] =
            std::max(0.0, m_metrics.horizontalAdvance(QString(QChar(char16_t(c)))));
}

// Exactly what the table's item delegate asks of the style for its size hint.
double TableCellWidthMeasure::width(QAnyStringView text) const
{
    QStyleOptionViewItem option;
    option.initFrom(m_table);
    option.font = m_font;
    option.fontMetrics = QFontMetrics(m_font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = TableCellText::shown(text);
    return m_table->style()
               ->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), m_table)
               .width() +
           gridWidth();
}

// The shown part's advances and the sign that there is more bound what the cell shows. The sign
// counts only where shown, or the bound would exceed nearly every cell's width and fitting would
// measure every cell exactly.
double TableCellWidthMeasure::upperBound(QAnyStringView text) const
{
    double sum = TableCellText::isCut(text) ? advance(U'\u2026') : 0.0;
    TableCellText::shownPart(text).visit([&](auto view) {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QLatin1StringView>) {
            for (const char c : view)
                sum += m_latin1Advances[uchar(c)];
        } else if constexpr (std::is_same_v<View, QStringView>) {
            sum += advances(view);
        } else {
            sum += advances(QAnyStringView(view).toString());
        }
    });
    return std::ceil(sum) + m_margins + gridWidth();
}

double TableCellWidthMeasure::titleWidth(const QString &title) const
{
    const auto *table = qobject_cast<const QTableView *>(m_table);
    const auto *header =
        table ? qobject_cast<const CSVTableColumnHeaderView *>(table->horizontalHeader()) : nullptr;
    if (!header)
        return 0.0;
    QStyleOptionHeader option;
    option.initFrom(header);
    option.text = title;
    option.fontMetrics = header->fontMetrics();
    return header->style()
               ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
               .width() +
           header->arrowSpace();
}

// The grid line takes a pixel of every column.
double TableCellWidthMeasure::gridWidth() const
{
    const auto *table = qobject_cast<const QTableView *>(m_table);
    return table && table->showGrid() ? 1.0 : 0.0;
}

double TableCellWidthMeasure::advances(QStringView text) const
{
    double sum = 0.0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        sum += c < m_latin1Advances.size() ? m_latin1Advances[c] : advance(c);
    }
    return sum;
}

double TableCellWidthMeasure::advance(char32_t character) const
{
    auto it = m_otherAdvances.constFind(character);
    if (it == m_otherAdvances.constEnd()) {
        const double width = m_metrics.horizontalAdvance(QString::fromUcs4(&character, 1));
        it = m_otherAdvances.insert(character, std::max(0.0, width));
    }
    return *it;
}

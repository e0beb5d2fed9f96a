#pragma once

#include "foundation/IndexSet.h"

#include <QHeaderView>

#include <functional>

// The row-number ruler at the left of a table: row numbers counted from 1 and markers on some
// of them (a find's hits). It stands in the table's vertical header, so it scrolls with the rows
// and costs nothing per row; the table's corner above it serves as its header cap.
class ZRNLineNumberRulerWithMarker : public QHeaderView
{
    Q_OBJECT

public:
    explicit ZRNLineNumberRulerWithMarker(QWidget *parent = nullptr);

    // Markers sit at row numbers counted from 1; a row carries at most one. A find may mark a
    // million rows: they are kept as ranges.
    void setMarkers(const IndexSet &rowNumbers);
    const IndexSet &markers() const { return m_markers; }

    // Whether a row's number shows as selected: as the table's selection model says, unless the
    // table's owner tells otherwise (its selection model need not hold the whole selection).
    using RowSelectionTest = std::function<bool(int row)>;
    void setRowSelectionTest(RowSelectionTest test) { m_isRowSelected = std::move(test); }
    bool isRowSelected(int row) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    IndexSet m_markers;
    RowSelectionTest m_isRowSelected;
};

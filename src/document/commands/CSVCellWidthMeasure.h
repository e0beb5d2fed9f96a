#pragma once

#include <QAnyStringView>

// How wide the table draws a cell's text, margins included. The document cannot measure text:
// the window supplies this from its font and style.
class CSVCellWidthMeasure
{
public:
    virtual ~CSVCellWidthMeasure() = default;

    // The width the cell needs to show the text in full.
    virtual double width(QAnyStringView text) const = 0;
    // A cheap estimate that is never below width(): fitting a column to a million rows
    // measures exactly only the texts whose estimate could beat the widest found so far.
    virtual double upperBound(QAnyStringView text) const = 0;
    // The width the column's header needs to show the title in full.
    virtual double titleWidth(const QString &title) const = 0;
};

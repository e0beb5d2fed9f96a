#pragma once

#include <QAnyStringView>
#include <QString>

// What the table shows of a cell: its first line, cut to what a column can show, with a sign
// when there is more. Painting and measuring then never depend on the length of a cell, which
// may run to hundreds of megabytes.
namespace TableCellText {

// More characters than the widest column shows.
constexpr qsizetype s_shownLength = 1000;
// Longer cells, and cells of several lines, are edited in a text area rather than a line.
constexpr qsizetype s_lineEditorLength = 4000;

QString shown(QAnyStringView cell);
// The part of the cell that shown() looks at.
QAnyStringView shownPart(QAnyStringView cell);
// Whether shown() leaves out part of the cell and ends with the sign that there is more.
bool isCut(QAnyStringView cell);
bool needsTextArea(QAnyStringView cell);

} // namespace TableCellText

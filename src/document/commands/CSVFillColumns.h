#pragma once

#include <QString>
#include <QStringView>

class CSVDocument;

// The fill sheet's command: open() fills what the sheet shows, close() takes it back.
namespace CSVFillColumns {

struct Options
{
    // The numbers are the tags of the sheet's radio buttons.
    enum class Mode { Replace = 0, Append = 1, Prepend = 2 };

    // The text tab, or the number series.
    bool fillsText = true;
    QString text;
    Mode textMode = Mode::Replace;
    // The first number as typed, and the step between rows.
    QString start = QStringLiteral("1");
    QString increment = QStringLiteral("1");
    Mode numberMode = Mode::Replace;
    // One blank between a cell and the number appended or prepended to it.
    bool insertsSeparator = false;
};

// The text tab, an empty text, a series from 1 by 1, replacing; the separator box as it was
// left the last time.
Options open(const CSVDocument &document);

// The separator box can only matter when the number is added to the cell.
bool isSeparatorEnabled(Options::Mode numberMode);

// The integer a field's text begins with: blanks, a sign, then digits up to the first other
// character; 0 when it begins with no number, the nearest limit when it is too large.
qint64 integerValue(QStringView text);

// Either button: the separator box is remembered. OK writes the selected columns of every row,
// the rows a search filter hides included: step "LSUDFillColumn". The first row takes the start
// exactly as typed ("007"), each later row the series' next number ("8", "9") when the step is
// above 0, else the start again; all selected columns of a row take the same value.
void close(CSVDocument &document, const Options &options, bool confirmed);

} // namespace CSVFillColumns

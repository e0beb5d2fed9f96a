#pragma once

#include <QStringView>

// Guesses the separator of delimited text from its first lines.
class ZRNSeparatorDetector
{
public:
    // At most this many lines are looked at.
    static constexpr int SampleLines = 20;

    // The separator type (0 comma, 1 semicolon, 2 tab) that, counted outside quotation marks,
    // appears the same non-zero number of times on the most lines; ties go to the first of
    // them in the first line, else to comma, semicolon, tab in this order. When none appears
    // outside quotation marks, the first of them in the first line; NotFound when the first line
    // has none. isComplete says that text is all of the input; otherwise its last line may be cut
    // and is not looked at.
    static qint64 detect(QStringView text, bool isComplete);
};

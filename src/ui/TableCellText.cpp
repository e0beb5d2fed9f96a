#include "TableCellText.h"

namespace TableCellText {

namespace {

constexpr char16_t s_more = u'\u2026';

template<typename View>
qsizetype lineBreakIn(View text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = QChar(text[i]).unicode();
        if (c == u'\n' || c == u'\r')
            return i;
    }
    return -1;
}

bool hasLineBreak(QAnyStringView cell)
{
    bool multiline = false;
    cell.visit([&multiline](auto text) {
        if constexpr (std::is_same_v<decltype(text), QUtf8StringView>)
            multiline = lineBreakIn(QStringView(text.toString())) >= 0;
        else
            multiline = lineBreakIn(text) >= 0;
    });
    return multiline;
}

} // namespace

QAnyStringView shownPart(QAnyStringView cell)
{
    QAnyStringView part;
    cell.visit([&part](auto text) { part = text.first(std::min(text.size(), s_shownLength)); });
    return part;
}

bool isCut(QAnyStringView cell)
{
    return cell.size() > s_shownLength || hasLineBreak(cell);
}

QString shown(QAnyStringView cell)
{
    QString text = shownPart(cell).toString();
    bool isCut = text.size() < cell.size();
    if (const qsizetype lineBreak = lineBreakIn(QStringView(text)); lineBreak >= 0) {
        text.truncate(lineBreak);
        isCut = true;
    }
    if (isCut) {
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        text += QChar(s_more);
    }
    return text;
}

bool needsTextArea(QAnyStringView cell)
{
    return cell.size() > s_lineEditorLength || hasLineBreak(cell);
}

} // namespace TableCellText

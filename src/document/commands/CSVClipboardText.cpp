#include "CSVClipboardText.h"

#include "document/CSVRowBuilder.h"

#include <array>

namespace CSVClipboardText {

namespace {

constexpr QChar s_tab = u'\t';
constexpr QChar s_quote = u'"';

bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

// What a byte of UTF-8 may begin, so that a cell's bytes are looked at once each: a tab; a line
// break (0xC2 and 0xE2 begin next line, line and paragraph separator, among others); a character
// that HTML escapes.
enum ByteKind : uchar { Plain = 0, Tab = 1, Break = 2, Markup = 4 };

constexpr std::array<uchar, 256> s_byteKinds = [] {
    std::array<uchar, 256> kinds{};
    kinds['\t'] = Tab;
    for (uchar byte : {0x0A, 0x0B, 0x0C, 0x0D, 0xC2, 0xE2})
        kinds[byte] = Break;
    for (uchar byte : {'&', '<', '>'})
        kinds[byte] = Markup;
    return kinds;
}();

// The kinds of all the cell's bytes together: most cells have none, and are copied as they are.
uchar kindsIn(QByteArrayView cell)
{
    uchar kinds = Plain;
    for (char c : cell)
        kinds |= s_byteKinds[uchar(c)];
    return kinds;
}

// The length of the line break that starts at index of the UTF-8 text, or 0.
qsizetype lineBreakLength(QByteArrayView text, qsizetype index)
{
    const auto byte = [&](qsizetype i) { return i < text.size() ? uchar(text[i]) : 0; };
    const uchar first = byte(index);
    if (first >= 0x0A && first <= 0x0D)
        return 1;
    if (first == 0xC2 && byte(index + 1) == 0x85)
        return 2;
    if (first == 0xE2 && byte(index + 1) == 0x80 && (byte(index + 2) & 0xFE) == 0xA8)
        return 3;
    return 0;
}

bool needsQuotes(QByteArrayView cell, uchar kinds)
{
    if (cell.startsWith('"') || (kinds & Tab))
        return true;
    for (qsizetype i = 0; (kinds & Break) && i < cell.size(); ++i) {
        if (lineBreakLength(cell, i) > 0)
            return true;
    }
    return false;
}

void appendCell(CSVByteWriter &text, QByteArrayView cell, uchar kinds)
{
    if (!needsQuotes(cell, kinds)) {
        text.append(cell);
        return;
    }
    text.append('"');
    qsizetype from = 0;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] == '"') {
            text.append(cell.sliced(from, i + 1 - from));
            text.append('"');
            from = i + 1;
        }
    }
    text.append(cell.sliced(from));
    text.append('"');
}

// The HTML for the character at index of the UTF-8 text and its length, or nothing when it
// stands for itself.
QByteArrayView htmlEscape(QByteArrayView text, qsizetype index, qsizetype &length)
{
    length = 1;
    switch (text[index]) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    default:
        length = lineBreakLength(text, index);
        return length > 0 ? "<br>" : QByteArrayView();
    }
}

void appendHtmlCell(CSVByteWriter &html, QByteArrayView cell, uchar kinds)
{
    html.append("<td>");
    qsizetype from = 0;
    for (qsizetype i = 0; (kinds & (Break | Markup)) && i < cell.size();) {
        qsizetype length = 0;
        const QByteArrayView escape = htmlEscape(cell, i, length);
        if (escape.isNull()) {
            ++i;
            continue;
        }
        html.append(cell.sliced(from, i - from));
        html.append(escape);
        i += length;
        from = i;
    }
    html.append(cell.sliced(from));
    html.append("</td>");
}

// The field in quotes that starts at begin (a quote), and where it ends; false when the quote
// opens no properly closed field.
bool readQuotedField(QStringView text, qsizetype begin, QString &field, qsizetype &end)
{
    field.resize(0);
    for (qsizetype i = begin + 1; i < text.size(); ++i) {
        if (text[i] != s_quote) {
            field += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == s_quote) {
            field += s_quote;
            ++i;
            continue;
        }
        end = i + 1;
        return end == text.size() || text[end] == s_tab || isLineBreak(text[end]);
    }
    return false;
}

} // namespace

void appendRow(CSVByteWriter &text, CSVByteWriter &html, const CSVCopiedTable::Cells &cells)
{
    // A row of one empty cell would be an empty line, which pasting skips.
    if (cells.size() == 1 && cells.front().isEmpty())
        text.append("\"\"");
    html.append("<tr>");
    for (size_t i = 0; i < cells.size(); ++i) {
        const uchar kinds = kindsIn(cells[i]);
        if (i > 0)
            text.append('\t');
        appendCell(text, cells[i], kinds);
        appendHtmlCell(html, cells[i], kinds);
    }
    text.append('\n');
    html.append("</tr>");
}

void startHtml(CSVByteWriter &html)
{
    html.append("<html><head><meta charset=\"utf-8\"></head><body><table>");
}

void finishHtml(CSVByteWriter &html)
{
    html.append("</table></body></html>");
}

CSVRowList read(QStringView text)
{
    CSVRowList rows;
    CSVRowBuilder builder;
    QString quoted;
    qsizetype i = 0;
    while (i < text.size()) {
        if (isLineBreak(text[i])) {
            ++i;
            continue;
        }
        builder.clear();
        while (true) {
            qsizetype end = 0;
            if (text[i] == s_quote && readQuotedField(text, i, quoted, end)) {
                builder.appendField(quoted);
            } else {
                end = i;
                while (end < text.size() && text[end] != s_tab && !isLineBreak(text[end]))
                    ++end;
                builder.appendField(text.sliced(i, end - i));
            }
            i = end;
            if (i == text.size() || text[i] != s_tab)
                break;
            // A tab at the very end of the text still opens an empty last field.
            if (++i == text.size()) {
                builder.appendField({});
                break;
            }
        }
        rows.push_back(builder.makeRow());
    }
    return rows;
}

} // namespace CSVClipboardText

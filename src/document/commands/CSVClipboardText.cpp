#include "CSVClipboardText.h"

#include "document/CSVRowBuilder.h"

namespace CSVClipboardText {

namespace {

constexpr QChar s_tab = u'\t';
constexpr QChar s_quote = u'"';

bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool needsQuotes(QStringView cell)
{
    if (cell.startsWith(s_quote))
        return true;
    for (QChar c : cell) {
        if (c == s_tab || isLineBreak(c))
            return true;
    }
    return false;
}

void appendCell(QString &text, QStringView cell)
{
    if (!needsQuotes(cell)) {
        text += cell;
        return;
    }
    text += s_quote;
    for (QChar c : cell) {
        if (c == s_quote)
            text += s_quote;
        text += c;
    }
    text += s_quote;
}

void appendHtmlCell(QString &html, QStringView cell)
{
    html += QLatin1String("<td>");
    for (QChar c : cell) {
        switch (c.unicode()) {
        case u'&':
            html += QLatin1String("&amp;");
            break;
        case u'<':
            html += QLatin1String("&lt;");
            break;
        case u'>':
            html += QLatin1String("&gt;");
            break;
        default:
            html += isLineBreak(c) ? QStringView(u"<br>") : QStringView(&c, 1);
        }
    }
    html += QLatin1String("</td>");
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

QString write(const CSVCopiedTable &table)
{
    QString text;
    table.forEachRow([&](const std::vector<QStringView> &cells) {
        // A row of one empty cell would be an empty line, which pasting skips.
        if (cells.size() == 1 && cells.front().isEmpty())
            text += QLatin1String("\"\"");
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += s_tab;
            appendCell(text, cells[i]);
        }
        text += u'\n';
    });
    return text;
}

QString html(const CSVCopiedTable &table)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    table.forEachRow([&](const std::vector<QStringView> &cells) {
        html += QLatin1String("<tr>");
        for (QStringView cell : cells)
            appendHtmlCell(html, cell);
        html += QLatin1String("</tr>");
    });
    html += QLatin1String("</table></body></html>");
    return html;
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

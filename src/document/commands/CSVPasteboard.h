#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// The system clipboard as the clipboard commands see it: flavours named by MIME type, each
// holding bytes. The text flavours hold UTF-8. The window's clipboard is the desktop's; tests
// hand the commands one of their own.
class CSVPasteboard
{
public:
    // The private flavours: exact cells (and, for columns, titles, widths and alignments) in
    // CBOR, readable by every running copy of the program.
    static constexpr char s_rowsType[] = "TabwrightRowsPBoardType";
    static constexpr char s_columnsType[] = "TabwrightColumnsPBoardType";
    // The text flavours, for other programs: tab-separated lines.
    static constexpr char s_tabularTextType[] = "text/tab-separated-values";
    static constexpr char s_plainTextType[] = "text/plain";
    // Written for office suites and mail, which keep the cells of a table apart; never read.
    static constexpr char s_htmlType[] = "text/html";

    using Contents = std::vector<std::pair<QString, QByteArray>>;

    virtual ~CSVPasteboard() = default;

    virtual bool hasType(const char *type) const = 0;
    // The flavour's bytes; empty when the clipboard does not hold it.
    virtual QByteArray data(const char *type) const = 0;
    // Replaces whatever the clipboard holds with these flavours.
    virtual void setContents(Contents contents) = 0;
};

#pragma once

#include "document/commands/CSVPasteboard.h"

// The desktop's clipboard for the clipboard commands. The private flavours travel under their
// names as MIME types; the toolkit offers plain text under the desktop's text targets too, so
// other programs get it in the encodings they ask for, and reads their text whatever encoding
// they sent.
class SystemPasteboard : public CSVPasteboard
{
public:
    static SystemPasteboard &general();

    bool hasType(const char *type) const override;
    QByteArray data(const char *type) const override;
    void setContents(Contents contents) override;
};

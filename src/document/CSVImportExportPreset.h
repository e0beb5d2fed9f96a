#pragma once

#include "csv/StringEncoding.h"

#include <QVariantMap>

// How a delimited text file is read or written. A document keeps one for reading and one for
// writing; presets are plain values and are never shared between documents.
class CSVImportExportPreset
{
public:
    // Separator types, as stored in presets, settings and pop-up tags.
    enum SeparatorType : qint64 { Comma = 0, Semicolon = 1, Tab = 2 };
    // Line-ending types, as stored in presets, settings and pop-up tags.
    enum LineEndingType : qint64 { CRLF = 0, CR = 1, LF = 2 };

    // Comma, UTF-8, CR LF, and every flag off; the user's settings are not consulted.
    CSVImportExportPreset() = default;
    CSVImportExportPreset(qint64 separatorType, StringEncoding stringEncoding,
                          qint64 lineEndingType, bool firstRowIsHeader);
    // The archived form written by encodeWithCoder. A key that is missing or of the wrong type
    // keeps the default value; forceQuotes is never archived and stays off.
    explicit CSVImportExportPreset(const QVariantMap &coder);

    // Writes the archived fields (all but forceQuotes) under their keys, leaving other keys of
    // coder alone.
    void encodeWithCoder(QVariantMap &coder) const;

    qint64 separatorType() const { return m_separatorType; }
    void setSeparatorType(qint64 separatorType) { m_separatorType = separatorType; }
    StringEncoding stringEncoding() const { return m_stringEncoding; }
    void setStringEncoding(StringEncoding stringEncoding) { m_stringEncoding = stringEncoding; }
    qint64 lineEndingType() const { return m_lineEndingType; }
    void setLineEndingType(qint64 lineEndingType) { m_lineEndingType = lineEndingType; }
    bool firstRowIsHeader() const { return m_firstRowIsHeader; }
    void setFirstRowIsHeader(bool firstRowIsHeader) { m_firstRowIsHeader = firstRowIsHeader; }
    bool trimSpaces() const { return m_trimSpaces; }
    void setTrimSpaces(bool trimSpaces) { m_trimSpaces = trimSpaces; }
    bool forceQuotes() const { return m_forceQuotes; }
    void setForceQuotes(bool forceQuotes) { m_forceQuotes = forceQuotes; }
    // Reading only: a backslash escapes the character after it. Off by default, since the
    // writer never escapes a backslash and spreadsheets read one as an ordinary character.
    bool backslashEscapes() const { return m_backslashEscapes; }
    void setBackslashEscapes(bool backslashEscapes) { m_backslashEscapes = backslashEscapes; }

    friend bool operator==(const CSVImportExportPreset &, const CSVImportExportPreset &) = default;

private:
    qint64 m_separatorType = Comma;
    StringEncoding m_stringEncoding = StringEncodings::UTF8;
    qint64 m_lineEndingType = CRLF;
    bool m_firstRowIsHeader = false;
    bool m_trimSpaces = false;
    bool m_forceQuotes = false;
    bool m_backslashEscapes = false;
};

#pragma once

#include "StringEncoding.h"
#include "ZRNCSVRowSource.h"
#include "foundation/Error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;
class TextConverter;

// Writes rows of text to an open device as delimited text, one line per row. The caller opens
// and closes the device.
//
// A value goes in quotation marks when the reader would otherwise take it apart: when it holds
// a separator of any kind (comma, semicolon, tab), a quotation mark, a blank or a line break;
// when it is the first of a line and begins with "#" (a comment line to the reader); and when it
// begins with a combining character, which the reader would join to the separator before it;
// and when it is empty and alone on its line, which the reader would take for a blank line.
// Quotation marks inside a value are doubled; nothing else is escaped, backslashes included.
//
// Text is never converted lossily: a character the encoding cannot hold fails the write with an
// error that names it and where it is. The generic UTF-16 and UTF-32 encodings begin the output
// with a byte-order mark, since readers recognise them only by it.
class ZRNCSVExport
{
public:
    enum ErrorCode {
        WriteFailed = 1,
        UnrepresentableCharacter = 2,
        UnknownEncoding = 3,
        Cancelled = 4,
    };
    // Asked after each block written with the number of rows written so far, on the writing
    // thread; answering false stops the write (failing with Cancelled).
    using Progress = std::function<bool(qsizetype rowsWritten)>;
    static QString errorDomain();

    explicit ZRNCSVExport(QIODevice *filehandle = nullptr);
    ~ZRNCSVExport();
    ZRNCSVExport(const ZRNCSVExport &) = delete;
    ZRNCSVExport &operator=(const ZRNCSVExport &) = delete;

    QIODevice *filehandle() const { return m_filehandle; }
    // A new device is a new stream: it gets its own byte-order mark and row count.
    void setFilehandle(QIODevice *filehandle);
    StringEncoding encoding() const { return m_encoding; }
    void setEncoding(StringEncoding encoding);
    // Separator type: 1 semicolon, 2 tab, anything else comma.
    int separatorType() const { return m_separatorType; }
    void setSeparatorType(int separatorType);
    // Line-ending type: 1 CR, 2 LF, anything else CR LF.
    int lineEndType() const { return m_lineEndType; }
    void setLineEndType(int lineEndType);
    bool forceQuotes() const { return m_forceQuotes; }
    void setForceQuotes(bool forceQuotes) { m_forceQuotes = forceQuotes; }
    const QString &delimiterString() const { return m_delimiterString; }
    const QString &lineEndString() const { return m_lineEndString; }

    // Write every row, in order. On failure they stop, fill error and answer false; the device
    // then holds a prefix of the output, which the caller discards. Rows are numbered in errors
    // from the first row written to this device.
    bool writeRows(const ZRNCSVRowSource &rows, Error *error = nullptr,
                   const Progress &progress = {});
    bool writeRows(const QList<QStringList> &rows, Error *error = nullptr);
    bool writeRow(const QStringList &row, Error *error = nullptr);

    // The value as it is written into a field; startsLine for the first value of a line.
    QString escapeString(QStringView value, bool startsLine = false) const;
    // The bytes writing text would add to the stream (so the first call for the generic UTF-16
    // and UTF-32 encodings includes the byte-order mark), or nothing when a character cannot be
    // held by the encoding.
    std::optional<QByteArray> encodeString(QStringView text);

private:
    TextConverter &converter();
    // Whether the value needs quotation marks whatever characters it holds.
    bool isQuotingForced(QStringView value, bool startsLine) const;
    char16_t *textRoom(qsizetype size);
    void appendText(QStringView text);
    void appendEscaped(QStringView value, bool startsLine, bool isAlone);
    void appendRow(const ZRNCSVRowSource &rows, qsizetype row);
    bool flush(const ZRNCSVRowSource &rows, qsizetype firstRow, qsizetype endRow, Error *error);
    bool writeBytes(Error *error);
    Error unrepresentableCharacterError(const ZRNCSVRowSource &rows, qsizetype firstRow,
                                        qsizetype endRow) const;

    QIODevice *m_filehandle;
    StringEncoding m_encoding = StringEncodings::UTF8;
    int m_separatorType = 0;
    int m_lineEndType = 0;
    bool m_forceQuotes = false;
    QString m_delimiterString;
    QString m_lineEndString;
    // One converter per stream, so that a byte-order mark is written once.
    std::unique_ptr<TextConverter> m_converter;
    qsizetype m_rowsWritten = 0;
    // Reused between blocks: the text of the rows not yet written (its first m_textSize units;
    // the rest is room to grow), and its bytes.
    QString m_text;
    qsizetype m_textSize = 0;
    QByteArray m_bytes;
};

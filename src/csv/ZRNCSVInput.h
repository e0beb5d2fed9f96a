#pragma once

#include "StringEncoding.h"
#include "TextConverter.h"

#include "foundation/Error.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;

// The decoded text of a byte stream, read a chunk at a time so that memory stays bounded by
// the chunk size and the text the reader still needs, whatever the size of the stream.
//
// The text ends early at the first failure: a read error, or bytes that are not valid in the
// encoding (an incomplete character at the end of the stream included). Everything decoded
// before the failure stays available, and the failure is kept for the reader.
class ZRNCSVInput
{
public:
    ZRNCSVInput();
    ~ZRNCSVInput();
    ZRNCSVInput(const ZRNCSVInput &) = delete;
    ZRNCSVInput &operator=(const ZRNCSVInput &) = delete;

    // Reads stream from now on, and owns it; a null or closed stream fails at the first read.
    // Everything about the previous stream is forgotten.
    void setStream(std::unique_ptr<QIODevice> stream);

    // Begins decoding the stream set last, as encoding. For the generic UTF-16 and UTF-32
    // encodings the first bytes are read at once, and a byte-order mark there chooses the
    // byte order and is dropped.
    void start(StringEncoding encoding, qsizetype chunkSize);

    // Reads and decodes up to chunkSize more bytes. The text before keepFrom is no longer
    // needed and may be dropped; the answer is how many code units were dropped from the
    // front, by which every position in the text moves down.
    qsizetype readChunk(qsizetype keepFrom, qsizetype chunkSize);

    QStringView text() const { return m_text; }
    // No more text will come: the stream ended or failed.
    bool isAtEnd() const { return m_isAtEnd; }
    // The failure that ended the text early, or a null error.
    const Error &error() const { return m_error; }
    bool encodingErrorOccurred() const { return m_encodingErrorOccurred; }
    // The line-ending type seen in the text, or NotFound.
    qint64 detectedLineEnd() const { return m_detectedLineEnd; }
    // The bytes of the stream decoded so far (a byte-order mark included); after a failure
    // the offset of the first byte that could not be read or decoded.
    qint64 bytesDecoded() const { return m_bytesDecoded; }
    // The encoding the bytes are decoded with; a byte-order mark may have made it explicit.
    StringEncoding encodingUsed() const { return m_encodingUsed; }

private:
    qsizetype dropFront(qsizetype keepFrom);
    void appendBytes(qsizetype count);
    void decode(QByteArrayView bytes);
    void detectLineEnd(QStringView piece);
    void failReading();
    void failDecoding();

    std::unique_ptr<QIODevice> m_stream;
    std::unique_ptr<TextConverter> m_converter;
    StringEncoding m_encodingUsed = StringEncodings::UTF8;
    QByteArray m_chunk;
    QString m_text;
    bool m_isStreamAtEnd = false;
    bool m_isAtEnd = false;
    bool m_hasDecoded = false;
    bool m_droppedByteOrderMark = false;
    bool m_encodingErrorOccurred = false;
    qint64 m_detectedLineEnd;
    qint64 m_bytesDecoded = 0;
    Error m_error;
};

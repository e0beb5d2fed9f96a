#pragma once

#include "StringEncoding.h"
#include "Utf8Decoder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

struct UConverter;

// Converts between bytes in one encoding and text, never guessing and never substituting:
// decoding stops at the first byte sequence that is not valid in the encoding, and encoding
// stops at the first character the encoding cannot hold. Decoding is streaming: the bytes of a
// character split across two calls are carried over inside the converter.
class TextConverter
{
public:
    enum class DecodeStatus {
        Ok,
        Invalid,   // an invalid byte sequence; the text before it was decoded
        Truncated, // the input ended inside a character (only when flushing)
    };

    explicit TextConverter(StringEncoding encoding);
    ~TextConverter();
    TextConverter(const TextConverter &) = delete;
    TextConverter &operator=(const TextConverter &) = delete;

    // False when the encoding is unknown or the converter cannot be opened.
    bool isValid() const { return m_converter != nullptr; }
    StringEncoding encoding() const { return m_encoding; }

    // Forgets carried-over bytes and any byte-order state, as for a new stream.
    void reset();

    // Appends the text of bytes to out. With flush, the bytes end the stream: a character left
    // incomplete is answered Truncated. validByteCount receives how many of the given bytes
    // were consumed before an invalid sequence (all of them when Ok).
    DecodeStatus decode(QByteArrayView bytes, QString &out, bool flush,
                        qsizetype *validByteCount = nullptr);

    // Appends the bytes of text to out. On a character the encoding cannot hold answers false
    // with its index in text in failedIndex; out then holds the bytes before it.
    bool encode(QStringView text, QByteArray &out, qsizetype *failedIndex = nullptr);

private:
    DecodeStatus decodeWithConverter(QByteArrayView bytes, QString &out, bool flush,
                                     qsizetype *validByteCount);
    // UTF-8 without ICU; false, leaving out as it was, on text UTF-8 cannot hold.
    static bool encodeUtf8(QStringView text, QByteArray &out);

    StringEncoding m_encoding;
    UConverter *m_converter = nullptr;
    // UTF-8, the most common encoding by far, is decoded without the converter.
    Utf8Decoder m_utf8Decoder;
};

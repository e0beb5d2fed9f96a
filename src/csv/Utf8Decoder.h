#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

// Decodes UTF-8 as TextConverter does, stopping at the first invalid sequence and carrying a
// character split between two calls over to the next, but several times faster than a general
// converter on the mostly ASCII text of real tables: ASCII is widened sixteen bytes at a time.
// A sequence is valid as the Unicode standard defines it: shortest form, no surrogates, nothing
// above U+10FFFF.
class Utf8Decoder
{
public:
    enum class Status { Ok, Invalid, Truncated };

    // Forgets a carried-over partial character.
    void reset() { m_pendingSize = 0; }

    // Appends the text of bytes to out; see TextConverter::decode.
    Status decode(QByteArrayView bytes, QString &out, bool flush, qsizetype *validByteCount);

private:
    std::array<uchar, 4> m_pending{};
    qsizetype m_pendingSize = 0;
};

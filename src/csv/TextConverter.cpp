#include "TextConverter.h"

#include "StringEncodingTable.h"

#include <QStringEncoder>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

TextConverter::TextConverter(StringEncoding encoding) : m_encoding(encoding)
{
    const StringEncodingInfo *info = StringEncodingTable::find(encoding);
    if (!info)
        return;
    UErrorCode status = U_ZERO_ERROR;
    m_converter = ucnv_open(info->converterName, &status);
    if (U_FAILURE(status)) {
        m_converter = nullptr;
        return;
    }
    ucnv_setToUCallBack(m_converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(m_converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
}

TextConverter::~TextConverter()
{
    if (m_converter)
        ucnv_close(m_converter);
}

void TextConverter::reset()
{
    m_utf8Decoder.reset();
    if (m_converter)
        ucnv_reset(m_converter);
}

TextConverter::DecodeStatus TextConverter::decode(QByteArrayView bytes, QString &out, bool flush,
                                                  qsizetype *validByteCount)
{
    if (m_encoding != StringEncodings::UTF8)
        return decodeWithConverter(bytes, out, flush, validByteCount);
    switch (m_utf8Decoder.decode(bytes, out, flush, validByteCount)) {
    case Utf8Decoder::Status::Ok:
        return DecodeStatus::Ok;
    case Utf8Decoder::Status::Invalid:
        return DecodeStatus::Invalid;
    case Utf8Decoder::Status::Truncated:
        return DecodeStatus::Truncated;
    }
    return DecodeStatus::Invalid;
}

TextConverter::DecodeStatus TextConverter::decodeWithConverter(QByteArrayView bytes, QString &out,
                                                               bool flush,
                                                               qsizetype *validByteCount)
{
    if (validByteCount)
        *validByteCount = 0;
    if (!m_converter)
        return DecodeStatus::Invalid;

    const char *source = bytes.data();
    const char *const sourceLimit = source + bytes.size();
    const qsizetype start = out.size();
    // One UTF-16 unit per byte covers every encoding but a few that map one byte to two
    // characters; the overflow loop handles those.
    qsizetype capacity = start + bytes.size() + 16;
    UErrorCode status = U_ZERO_ERROR;
    qsizetype written = start;
    for (;;) {
        out.resize(capacity);
        UChar *target = reinterpret_cast<UChar *>(out.data()) + written;
        UChar *const targetLimit = reinterpret_cast<UChar *>(out.data()) + capacity;
        status = U_ZERO_ERROR;
        ucnv_toUnicode(m_converter, &target, targetLimit, &source, sourceLimit, nullptr, flush,
                       &status);
        written = target - reinterpret_cast<UChar *>(out.data());
        if (status != U_BUFFER_OVERFLOW_ERROR)
            break;
        capacity += capacity / 2 + 16;
    }
    out.resize(written);

    qsizetype consumed = source - bytes.data();
    if (U_SUCCESS(status)) {
        if (validByteCount)
            *validByteCount = consumed;
        return DecodeStatus::Ok;
    }
    if (status == U_TRUNCATED_CHAR_FOUND) {
        if (validByteCount)
            *validByteCount = consumed;
        return DecodeStatus::Truncated;
    }
    char invalid[32];
    int8_t invalidLength = sizeof invalid;
    UErrorCode ignored = U_ZERO_ERROR;
    ucnv_getInvalidChars(m_converter, invalid, &invalidLength, &ignored);
    if (U_SUCCESS(ignored))
        consumed = qMax<qsizetype>(0, consumed - invalidLength);
    if (validByteCount)
        *validByteCount = consumed;
    return DecodeStatus::Invalid;
}

bool TextConverter::encode(QStringView text, QByteArray &out, qsizetype *failedIndex)
{
    if (failedIndex)
        *failedIndex = -1;
    if (!m_converter) {
        if (failedIndex)
            *failedIndex = 0;
        return false;
    }
    if (m_encoding == StringEncodings::UTF8 && encodeUtf8(text, out))
        return true;
    // The converter keeps a trailing high surrogate for the next call instead of refusing it;
    // text handed in here is complete, so such a surrogate is unpaired.
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        if (encode(text.chopped(1), out, failedIndex) && failedIndex)
            *failedIndex = text.size() - 1;
        return false;
    }

    const UChar *source = reinterpret_cast<const UChar *>(text.utf16());
    const UChar *const sourceLimit = source + text.size();
    const qsizetype start = out.size();
    qsizetype capacity = start + text.size() * 2 + 16;
    qsizetype written = start;
    UErrorCode status = U_ZERO_ERROR;
    for (;;) {
        out.resize(capacity);
        char *target = out.data() + written;
        status = U_ZERO_ERROR;
        ucnv_fromUnicode(m_converter, &target, out.data() + capacity, &source, sourceLimit, nullptr,
                         /* flush: a flush would repeat a byte-order mark */ false, &status);
        written = target - out.data();
        if (status != U_BUFFER_OVERFLOW_ERROR)
            break;
        capacity += capacity / 2 + 16;
    }
    out.resize(written);
    if (U_SUCCESS(status))
        return true;

    if (failedIndex) {
        UChar invalid[8];
        int8_t invalidLength = 8;
        UErrorCode ignored = U_ZERO_ERROR;
        ucnv_getInvalidUChars(m_converter, invalid, &invalidLength, &ignored);
        const qsizetype consumed = source - reinterpret_cast<const UChar *>(text.utf16());
        *failedIndex = qMax<qsizetype>(0, consumed - (U_SUCCESS(ignored) ? invalidLength : 0));
    }
    ucnv_resetFromUnicode(m_converter);
    return false;
}

bool TextConverter::encodeUtf8(QStringView text, QByteArray &out)
{
    // Qt's encoder is several times faster than ICU's on text that is mostly ASCII, and it
    // notices an unpaired surrogate; ICU's converter then finds where it is.
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const qsizetype start = out.size();
    out.resize(start + encoder.requiredSpace(text.size()));
    char *const end = encoder.appendToBuffer(out.data() + start, text);
    if (encoder.hasError()) {
        out.resize(start);
        return false;
    }
    out.resize(end - out.constData());
    return true;
}

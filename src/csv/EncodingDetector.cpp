#include "EncodingDetector.h"

#include "StringEncodingTable.h"
#include "TextConverter.h"

#include <QList>
#include <QString>

#include <unicode/ucsdet.h>

#include <algorithm>
#include <memory>

namespace {

using namespace StringEncodings;

struct ByteOrderMark
{
    QByteArrayView bytes;
    StringEncoding encoding;
};

// UTF-32 first: its little-endian mark begins with UTF-16's.
const ByteOrderMark s_byteOrderMarks[] = {
    {QByteArrayView("\xFF\xFE\0\0", 4), UTF32}, {QByteArrayView("\0\0\xFE\xFF", 4), UTF32},
    {QByteArrayView("\xFF\xFE", 2), UTF16},     {QByteArrayView("\xFE\xFF", 2), UTF16},
    {QByteArrayView("\xEF\xBB\xBF", 3), UTF8},
};

// Detector answers whose text one of the product's supersets reads as well; the superset
// comes first, so that characters beyond the detected set still decode.
QList<StringEncoding> candidatesFor(const char *detectedName)
{
    const QLatin1String name(detectedName);
    if (name == QLatin1String("ISO-8859-1"))
        return {WindowsCP1252, ISOLatin1};
    if (name == QLatin1String("EUC-KR"))
        return {EUCKR, 0x80000422 /* Windows Korean */};
    const StringEncodingInfo *info = StringEncodingTable::findByCharsetName(QString(name));
    return info ? QList<StringEncoding>{info->encoding} : QList<StringEncoding>{};
}

bool decodesCompletely(StringEncoding encoding, QByteArrayView sample, bool complete, QString &text)
{
    TextConverter converter(encoding);
    text.clear();
    return converter.isValid() &&
           converter.decode(sample, text, complete) == TextConverter::DecodeStatus::Ok;
}

// Binary data decodes in the single-byte encodings too; its control characters give it away.
bool looksLikeText(QStringView text)
{
    const auto isStrayControl = [](QChar c) {
        // Tab, line breaks, form feed and the end-of-file mark of old DOS files are text.
        return c.unicode() < 0x20 && !(c.unicode() >= 0x09 && c.unicode() <= 0x0D) &&
               c.unicode() != 0x1A;
    };
    // Text read in the wrong byte order decodes too, but lands on private-use and unassigned
    // code points that real text hardly has.
    const auto isImplausible = [&isStrayControl](QChar c) {
        const QChar::Category category = c.category();
        return isStrayControl(c) || category == QChar::Other_PrivateUse ||
               category == QChar::Other_NotAssigned;
    };
    if (text.contains(QChar(0)))
        return false;
    return std::count_if(text.begin(), text.end(), isImplausible) * 100 <= text.size();
}

using DetectorPointer = std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)>;

// ICU's answers, most confident first.
QList<const char *> detectedCharsets(QByteArrayView sample)
{
    UErrorCode status = U_ZERO_ERROR;
    DetectorPointer detector(ucsdet_open(&status), &ucsdet_close);
    ucsdet_setText(detector.get(), sample.data(), static_cast<int32_t>(sample.size()), &status);
    int32_t count = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector.get(), &count, &status);
    QList<const char *> names;
    for (int32_t i = 0; U_SUCCESS(status) && i < count; ++i)
        names.append(ucsdet_getName(matches[i], &status));
    return names;
}

StringEncoding detectedEncoding(QByteArrayView sample, bool complete)
{
    QString text;
    for (const char *name : detectedCharsets(sample)) {
        for (const StringEncoding encoding : candidatesFor(name)) {
            if (decodesCompletely(encoding, sample, complete, text) && looksLikeText(text))
                return encoding;
        }
    }
    return UTF8;
}

} // namespace

StringEncoding EncodingDetector::detect(QByteArrayView sample, bool complete)
{
    for (const ByteOrderMark &mark : s_byteOrderMarks) {
        if (sample.startsWith(mark.bytes))
            return mark.encoding;
    }
    QString text;
    if (!decodesCompletely(UTF8, sample, complete, text))
        return detectedEncoding(sample, complete);
    // ISO 2022 text is 7-bit, so valid UTF-8 as well; its escape sequences tell it apart.
    if (sample.contains('\x1B')) {
        const StringEncoding encoding = detectedEncoding(sample, complete);
        const StringEncodingInfo *info = StringEncodingTable::find(encoding);
        if (info && QLatin1String(info->ianaName).startsWith(QLatin1String("iso-2022")))
            return encoding;
    }
    return UTF8;
}

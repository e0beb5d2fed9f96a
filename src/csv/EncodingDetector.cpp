#include "EncodingDetector.h"

#include "StringEncodingTable.h"
#include "TextConverter.h"

#include <QList>
#include <QString>

#include <unicode/ucsdet.h>

#include <algorithm>
#include <memory>
#include <tuple>

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

// ICU's answer is a guess below this confidence (of 100), or below the higher one on fewer
// bytes beyond ASCII than this: short texts get 10 to 30 whatever they are, and a single byte
// may get 50.
constexpr int s_sureConfidence = 30;
constexpr int s_sureConfidenceOnFewBytes = 80;
constexpr qsizetype s_sureNonAsciiBytes = 16;

bool decodesCompletely(StringEncoding encoding, QByteArrayView sample, bool complete, QString &text)
{
    TextConverter converter(encoding);
    text.clear();
    return converter.isValid() &&
           converter.decode(sample, text, complete) == TextConverter::DecodeStatus::Ok;
}

bool isStrayControl(char16_t c)
{
    // Tab, line breaks, form feed and the end-of-file mark of old DOS files are text.
    const bool isC0 = c < 0x20 && !(c >= 0x09 && c <= 0x0D) && c != 0x1A;
    return isC0 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

// Binary data decodes in the single-byte encodings too; its control characters give it away.
// Text read in the wrong encoding decodes too, but lands on control characters the bytes do not
// have (a lead byte read as a C1 control), or, in the wrong byte order, on private-use and
// unassigned code points that real text hardly has.
bool looksLikeText(QStringView text, QByteArrayView sample)
{
    if (text.contains(QChar(0)))
        return false;
    // Bytes 0x80 to 0x9F are printable in most single-byte encodings: only ASCII controls count.
    const auto controlBytes = std::count_if(sample.begin(), sample.end(), [](char byte) {
        const auto value = static_cast<unsigned char>(byte);
        return value < 0x80 && isStrayControl(value);
    });
    const auto controls = std::count_if(text.begin(), text.end(),
                                        [](QChar c) { return isStrayControl(c.unicode()); });
    if (controls > controlBytes)
        return false;
    const auto isImplausible = [](QChar c) {
        const QChar::Category category = c.category();
        return isStrayControl(c.unicode()) || category == QChar::Other_PrivateUse ||
               category == QChar::Other_NotAssigned;
    };
    return std::count_if(text.begin(), text.end(), isImplausible) * 100 <= text.size();
}

// How much of the text beyond ASCII is letters (or marks and digits), in per cent: what a
// wrong single-byte reading of multi-byte text shows as punctuation and symbols.
int letterShare(QStringView text)
{
    qsizetype beyondAscii = 0;
    qsizetype letters = 0;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            continue;
        ++beyondAscii;
        letters += c.isLetterOrNumber() || c.isMark();
    }
    return beyondAscii == 0 ? 100 : int(letters * 100 / beyondAscii);
}

using DetectorPointer = std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)>;

struct Candidate
{
    StringEncoding encoding;
    int confidence;
    int letterShare = 0;
};

// ICU's answers, most confident first; UTF-16 and UTF-32 are left to the zero bytes.
QList<Candidate> detectedCandidates(QByteArrayView sample)
{
    UErrorCode status = U_ZERO_ERROR;
    DetectorPointer detector(ucsdet_open(&status), &ucsdet_close);
    ucsdet_setText(detector.get(), sample.data(), static_cast<int32_t>(sample.size()), &status);
    int32_t count = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector.get(), &count, &status);
    QList<Candidate> candidates;
    for (int32_t i = 0; U_SUCCESS(status) && i < count; ++i) {
        const char *name = ucsdet_getName(matches[i], &status);
        if (QLatin1String(name).startsWith(QLatin1String("UTF-")))
            continue;
        const int confidence = ucsdet_getConfidence(matches[i], &status);
        for (const StringEncoding encoding : candidatesFor(name))
            candidates.append({encoding, confidence});
    }
    return candidates;
}

// The candidates that read the sample as text, with their share of letters.
QList<Candidate> readingCandidates(QList<Candidate> candidates, QByteArrayView sample,
                                   bool complete)
{
    QList<Candidate> reading;
    QString text;
    for (Candidate &candidate : candidates) {
        if (decodesCompletely(candidate.encoding, sample, complete, text) &&
            looksLikeText(text, sample)) {
            candidate.letterShare = letterShare(text);
            reading.append(candidate);
        }
    }
    return reading;
}

StringEncoding detectedEncoding(QByteArrayView sample, bool complete, StringEncoding fallback)
{
    QList<Candidate> candidates = detectedCandidates(sample);
    candidates.append({fallback, 0});
    candidates.append({WindowsCP1252, 0});
    const QList<Candidate> reading = readingCandidates(candidates, sample, complete);
    if (reading.isEmpty())
        return UTF8;
    const auto nonAsciiBytes =
        std::count_if(sample.begin(), sample.end(), [](char byte) { return byte & 0x80; });
    const int confidence = reading.front().confidence;
    if (confidence >= s_sureConfidenceOnFewBytes ||
        (confidence >= s_sureConfidence && nonAsciiBytes >= s_sureNonAsciiBytes))
        return reading.front().encoding;
    // Unsure: the reading made most of letters. Among equals the fallback, then Windows Latin 1,
    // the most common single-byte encoding, then the more confident.
    const auto rank = [fallback](const Candidate &c) {
        return std::tuple(c.letterShare, c.encoding == fallback, c.encoding == WindowsCP1252);
    };
    return std::max_element(
               reading.begin(), reading.end(),
               [&rank](const Candidate &a, const Candidate &b) { return rank(a) < rank(b); })
        ->encoding;
}

// Text in UTF-32 has a zero in the highest byte of every unit, and one beside nearly every
// byte when it is mostly ASCII; text in UTF-16 has its zero bytes (from ASCII characters, line
// breaks at least) on one side of its units only. Which side tells the byte order.
StringEncoding zeroPatternEncoding(QByteArrayView sample)
{
    const auto zerosAt = [&sample](qsizetype stride, qsizetype offset) {
        qsizetype zeros = 0;
        for (qsizetype i = offset; i < sample.size(); i += stride)
            zeros += sample[i] == '\0';
        return zeros;
    };
    const qsizetype units = sample.size() / 4;
    if (units > 0 && zerosAt(4, 3) >= units && zerosAt(4, 2) * 2 >= units)
        return UTF32LittleEndian;
    if (units > 0 && zerosAt(4, 0) >= units && zerosAt(4, 1) * 2 >= units)
        return UTF32BigEndian;
    const qsizetype even = zerosAt(2, 0);
    const qsizetype odd = zerosAt(2, 1);
    if (odd > 0 && even * 10 <= odd)
        return UTF16LittleEndian;
    if (even > 0 && odd * 10 <= even)
        return UTF16BigEndian;
    return 0;
}

StringEncoding unicodeWithoutMark(QByteArrayView sample, bool complete)
{
    const StringEncoding encoding = zeroPatternEncoding(sample);
    QString text;
    return encoding != 0 && decodesCompletely(encoding, sample, complete, text) &&
                   looksLikeText(text, sample)
               ? encoding
               : 0;
}

} // namespace

StringEncoding EncodingDetector::detect(QByteArrayView sample, bool complete,
                                        StringEncoding fallback)
{
    for (const ByteOrderMark &mark : s_byteOrderMarks) {
        if (sample.startsWith(mark.bytes))
            return mark.encoding;
    }
    if (const StringEncoding encoding = unicodeWithoutMark(sample, complete))
        return encoding;
    QString text;
    if (!decodesCompletely(UTF8, sample, complete, text) || !looksLikeText(text, sample))
        return detectedEncoding(sample, complete, fallback);
    // ISO 2022 text is 7-bit, so valid UTF-8 as well; its escape sequences tell it apart.
    if (sample.contains('\x1B')) {
        const StringEncoding encoding = detectedEncoding(sample, complete, fallback);
        const StringEncodingInfo *info = StringEncodingTable::find(encoding);
        if (info && QLatin1String(info->ianaName).startsWith(QLatin1String("iso-2022")))
            return encoding;
    }
    return UTF8;
}

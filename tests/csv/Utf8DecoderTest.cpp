#include "csv/Utf8Decoder.h"

#include "support/QtPrinters.h"
#include "support/RandomText.h"

#include <gtest/gtest.h>

#include <unicode/ucnv.h>

#include <array>
#include <random>

namespace {

// The result of decoding, as one comparable string: the text, then how decoding ended.
QString outcome(const QString &text, const char *status)
{
    return text + QStringLiteral(" | ") + QLatin1String(status);
}

QString decodeWithIcu(const QByteArray &bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open("UTF-8", &status);
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    QString text(bytes.size() + 1, QChar());
    auto *target = reinterpret_cast<UChar *>(text.data());
    const char *source = bytes.data();
    ucnv_toUnicode(converter, &target, target + text.size(), &source, source + bytes.size(),
                   nullptr, true, &status);
    ucnv_close(converter);
    text.resize(target - reinterpret_cast<UChar *>(text.data()));
    if (status == U_TRUNCATED_CHAR_FOUND)
        return outcome(text, "truncated");
    return outcome(text, U_SUCCESS(status) ? "ok" : "invalid");
}

QString decodeInPieces(const QByteArray &bytes, std::mt19937 &random)
{
    Utf8Decoder decoder;
    QString text;
    for (qsizetype i = 0;;) {
        const qsizetype piece = std::min<qsizetype>(bytes.size() - i, random() % 24);
        const bool last = i + piece == bytes.size();
        qsizetype valid = -1;
        const auto status =
            decoder.decode(QByteArrayView(bytes).sliced(i, piece), text, last, &valid);
        if (status != Utf8Decoder::Status::Ok)
            return outcome(text, status == Utf8Decoder::Status::Invalid ? "invalid" : "truncated");
        if (valid != piece || last)
            return outcome(text, valid != piece ? "miscounted" : "ok");
        i += piece;
    }
}

// Valid sequences at the edges of every length and range, the invalid ones just beyond them
// (overlong forms, surrogates, beyond U+10FFFF, stray continuation bytes), truncated ones, and
// ASCII runs long enough for the vector loop.
// clang-format off
constexpr std::array s_fragments = {
    "a", "plain ascii run of more than sixteen bytes", "\x7F", "\xC2\x80", "\xDF\xBF",
    "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBF\xBF", "\xF0\x90\x80\x80",
    "\xF4\x8F\xBF\xBF", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xC0\x80", "\xC1\xBF",
    "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",
    "\xFF", "\x80", "\xBF", "\xE2\x82", "\xF0\x9F\x98"};
// clang-format on

TEST(Utf8DecoderTest, AgreesWithIcuWhereverTheInputIsSplit)
{
    std::mt19937 random(7);
    for (int round = 0; round < 5000; ++round) {
        const auto bytes = randomlyJoined<QByteArray>(random, s_fragments, 11);
        ASSERT_EQ(decodeInPieces(bytes, random), decodeWithIcu(bytes)) << bytes.toHex(' ').data();
    }
}

} // namespace

#pragma once

#include "StringEncoding.h"

#include <QByteArrayView>

// Guesses the encoding of a text from its first bytes.
class EncodingDetector
{
public:
    // The encoding of a text that begins with sample (all of it when complete). A byte-order
    // mark decides first; then the pattern of zero bytes tells UTF-16 and UTF-32 without one;
    // then valid UTF-8 stays UTF-8 (but 7-bit ISO 2022 text is told apart). Otherwise ICU's
    // charset detector is asked, and only those of its answers that decode the whole sample
    // into something that looks like text count, besides fallback and Windows Latin 1: the
    // most confident of them, unless all are unsure, when the one whose text is most made of
    // letters is taken (on a tie fallback, then Windows Latin 1). An encoding whose decoding
    // fails, or yields control characters the bytes do not have, is never answered. UTF-8
    // when nothing reads the sample: for empty and binary data too.
    static StringEncoding detect(QByteArrayView sample, bool complete,
                                 StringEncoding fallback = StringEncodings::UTF8);
};

#pragma once

#include "StringEncoding.h"

#include <QByteArrayView>

// Guesses the encoding of a text from its first bytes.
class EncodingDetector
{
public:
    // The encoding of a text that begins with sample (all of it when complete). A byte-order
    // mark decides first, then valid UTF-8 stays UTF-8 (but 7-bit ISO 2022 text is told apart),
    // then ICU's charset detector is asked, and its answers are tried in order of confidence
    // until one decodes the whole sample into something that looks like text. UTF-8 when
    // nothing does: for empty and binary data too.
    static StringEncoding detect(QByteArrayView sample, bool complete);
};

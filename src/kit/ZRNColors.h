#pragma once

#include "foundation/RGBAColor.h"

#include <QColor>

// The settings' colours on screen and back.
namespace ZRNColors {

QColor toQColor(const RGBAColor &color);
RGBAColor toRGBAColor(const QColor &color);

} // namespace ZRNColors

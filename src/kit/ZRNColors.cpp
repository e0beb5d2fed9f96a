#include "ZRNColors.h"

namespace ZRNColors {

QColor toQColor(const RGBAColor &color)
{
    return QColor::fromRgbF(float(color.red), float(color.green), float(color.blue),
                            float(color.alpha));
}

RGBAColor toRGBAColor(const QColor &color)
{
    return {color.redF(), color.greenF(), color.blueF(), color.alphaF()};
}

} // namespace ZRNColors

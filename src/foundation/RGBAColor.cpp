#include "RGBAColor.h"

#include <cmath>

namespace {

// Four decimals tell apart every colour a screen can show, and keep the file readable.
double rounded(double component)
{
    return std::round(component * 10000.0) / 10000.0;
}

} // namespace

QVariantList RGBAColor::toVariant() const
{
    return {rounded(red), rounded(green), rounded(blue), rounded(alpha)};
}

std::optional<RGBAColor> RGBAColor::fromVariant(const QVariant &value)
{
    // The ini store reads the list back as texts.
    const QVariantList components = value.toList();
    if (components.size() != 4)
        return std::nullopt;
    double parts[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        parts[i] = components.at(i).toDouble(&ok);
        if (!ok || !std::isfinite(parts[i]) || parts[i] < 0.0 || parts[i] > 1.0)
            return std::nullopt;
    }
    return RGBAColor{parts[0], parts[1], parts[2], parts[3]};
}

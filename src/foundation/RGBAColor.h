#pragma once

#include <QVariant>

#include <optional>

// A colour as the settings and the colouring rules keep it: red, green, blue and alpha, each
// from 0.0 to 1.0. An alpha of 0.0 is no colour at all: nothing is painted.
struct RGBAColor
{
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 0.0;

    bool isTransparent() const { return alpha <= 0.0; }
    bool operator==(const RGBAColor &) const = default;

    // The stored form: the four components in that order, to four decimals, which a settings
    // file shows as "1, 0.749, 1, 1". Reading accepts numbers or their texts; anything else, a
    // component out of range included, is no colour.
    QVariantList toVariant() const;
    static std::optional<RGBAColor> fromVariant(const QVariant &value);
};

#include "gui/row_colours.h"

#include <cmath>

namespace {

constexpr double ReadableContrast = 4.5;

double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor ReadableRowColour(const RowColour& colour, const QPalette& palette) {
    const QColor fixed(colour.Red, colour.Green, colour.Blue);
    const QColor base = palette.color(QPalette::Base);
    if (base.lightness() >= 128) {
        return fixed;
    }
    QColor lighter = fixed.toHsl();
    for (int lightness = lighter.lightness(); lightness <= 255; lightness += 4) {
        lighter.setHsl(lighter.hslHue(), lighter.hslSaturation(), lightness);
        if (ContrastRatio(lighter, base) >= ReadableContrast) {
            return lighter.toRgb();
        }
    }
    return Qt::white;
}

#include "menus/gradient_fill.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

// The pixel value of a colour in the image's 32-bit format.
QRgb Pixel(int red, int green, int blue) {
    return qRgb(red, green, blue);
}

// start + difference * step / steps per component, truncating toward zero.
QRgb Blend(TColor start, int dr, int dg, int db, long step, long steps) {
    return Pixel(RedOf(start) + static_cast<int>(dr * step / steps),
                 GreenOf(start) + static_cast<int>(dg * step / steps),
                 BlueOf(start) + static_cast<int>(db * step / steps));
}

} // namespace

void GradientFill(QImage& image, TColor start, TColor end, TGradientStyle style) {
    const int w = image.width();
    const int h = image.height();
    if (w <= 0 || h <= 0) {
        return;
    }
    if (start == end) {
        image.fill(Pixel(RedOf(start), GreenOf(start), BlueOf(start)));
        return;
    }
    const int dr = RedOf(end) - RedOf(start);
    const int dg = GreenOf(end) - GreenOf(start);
    const int db = BlueOf(end) - BlueOf(start);
    switch (style) {
    case gsHorizontal: {
        auto* first = reinterpret_cast<QRgb*>(image.scanLine(0));
        for (int x = 0; x < w; ++x) {
            first[x] = Blend(start, dr, dg, db, x, w);
        }
        for (int y = 1; y < h; ++y) {
            std::copy(first, first + w, reinterpret_cast<QRgb*>(image.scanLine(y)));
        }
        break;
    }
    case gsVertical:
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(row, row + w, Blend(start, dr, dg, db, y, h));
        }
        break;
    case gsDiagonalLeftRight:
    case gsDiagonalRightLeft:
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x) {
                // Rounded to the nearest integer, halves to the even neighbour.
                const auto t = static_cast<long>(std::nearbyint(
                    (static_cast<double>(y) / h + static_cast<double>(x) / w) * 512));
                row[style == gsDiagonalLeftRight ? x : w - 1 - x] =
                    Blend(start, dr, dg, db, t, 1024);
            }
        }
        break;
    }
}

// The enumerations and colour values of the side-bar menus.
#pragma once

#include <cstdint>
#include <initializer_list>

// A colour as red in the low byte, then green, then blue.
using TColor = std::uint32_t;
// No colour: the part is not drawn.
constexpr TColor clNone = 0x1FFFFFFF;

constexpr std::uint8_t RedOf(TColor colour) {
    return colour & 0xFF;
}
constexpr std::uint8_t GreenOf(TColor colour) {
    return (colour >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(TColor colour) {
    return (colour >> 16) & 0xFF;
}
constexpr TColor ColourOf(int red, int green, int blue) {
    return static_cast<TColor>(red) | static_cast<TColor>(green) << 8 |
           static_cast<TColor>(blue) << 16;
}

enum TGradientStyle { gsHorizontal, gsVertical, gsDiagonalLeftRight, gsDiagonalRightLeft };
enum TSide { sLeft, sRight };
enum TDirection { dDownToUp, dUpToDown };
enum TDrawStyle { dsNormal, dsTile, dsStretch };
enum TVertAlignment { vaTop, vaBottom, vaMiddle };
enum THorzAlignment { haLeft, haRight, haCenter };
enum TSeparatorStyle { ssNormal, ssShortLine, ssCaption };
enum TBcMenuStyle { msAuto, msStandard, msWindowsXP };
enum TBarPart { bpGradient, bpPicture, bpBackPicture, bpCaption };

// A set of bar parts.
class TBarParts {
  public:
    TBarParts() = default;
    TBarParts(std::initializer_list<TBarPart> parts) {
        for (TBarPart part : parts) {
            Include(part);
        }
    }
    void Include(TBarPart part) { bits_ |= 1u << part; }
    void Exclude(TBarPart part) { bits_ &= ~(1u << part); }
    bool Contains(TBarPart part) const { return (bits_ >> part) & 1u; }
    bool operator==(const TBarParts& other) const { return bits_ == other.bits_; }

  private:
    unsigned bits_ = 0;
};

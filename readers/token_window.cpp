// The map of the bytes ahead that NextToken steps by: for 64 bytes at once,
// masks of the bytes' classes (one bit a byte) give where each token begins,
// as the scanner would read them from the window's first byte on.
#include "platform/ansi.h"
#include "readers/byte_classes.h"
#include "readers/tokens.h"

#include <cstring>

namespace {

using byte_classes::ClassMasks;
using byte_classes::Mask;
constexpr int Size = TTokenWindow::Size;
static_assert(Size == byte_classes::Size, "a window is what the byte classes cover");

constexpr Mask Bit(int i) {
    return Mask(1) << i;
}

// Of each run of ones in run, the part from its first bit that is in from on:
// a word runs on from its first letter, a number from its first digit.
Mask FromFirstOf(Mask run, Mask from) {
    const Mask before = run & ~from;
    const Mask runStarts = run & ~(run << 1);
    // Adding a run's first bit carries through the bits before its first from.
    const Mask leading = ((before + (runStarts & before)) ^ before) & before;
    return run & ~leading;
}

// The highest bit of mask, which is not 0.
Mask HighestBit(Mask mask) {
    return Bit(63 - __builtin_clzll(mask));
}

} // namespace

void MapTokenWindow(TFileBuffer& buffer) {
    const std::int32_t start = buffer.Position;
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.Data.data()) + start;
    // The window and the byte after it; past the end of the data, zeros.
    const std::uint32_t left = buffer.Size - static_cast<std::uint32_t>(start);
    unsigned char padded[Size + 1];
    if (left <= Size) {
        std::memset(padded, 0, sizeof padded);
        std::memcpy(padded, bytes, left);
        bytes = padded;
    }
    const ClassMasks masks = byte_classes::MasksOf(bytes);
    const unsigned char next = bytes[Size];

    Mask letter = masks.Letter;
    if (buffer.Utf8) {
        letter |= masks.High;
    } else {
        for (Mask high = masks.High; high != 0; high &= high - 1) {
            const int i = __builtin_ctzll(high);
            if (IsAnsiLetter(bytes[i])) {
                letter |= Bit(i);
            }
        }
    }
    const Mask greaterAfter = (masks.Greater >> 1) | Mask(next == '>') << 63;
    const Mask openerAfter = (masks.Opener >> 1) | Mask(next == '!' || next == '?') << 63;
    // A "-" continues a word unless a ">" follows it; it always continues a number.
    const Mask inWord = FromFirstOf(
        letter | masks.Digit | masks.Apostrophe | (masks.Hyphen & ~greaterAfter), letter);
    const Mask inNumber =
        FromFirstOf((masks.Digit | masks.NumberMark | masks.Hyphen) & ~inWord, masks.Digit);
    // "</", "/>" and "->" are tokens of two bytes.
    const Mask endTagSlash = masks.Slash & (masks.Less << 1);
    const Mask lone = (masks.Slash & ~endTagSlash) | (masks.Hyphen & ~inWord & ~inNumber);
    const Mask pairedGreater = masks.Greater & (lone << 1);
    const Mask continued =
        (inWord & (inWord << 1)) | (inNumber & (inNumber << 1)) | endTagSlash | pairedGreater;
    const Mask starts = ~continued | 1;

    // Read byte by byte: references, which a word may take in; "<!" and "<?";
    // a "<" that is the last byte, which reads as the end.
    const Mask lastByte = left <= Size ? Bit(static_cast<int>(left) - 1) : 0;
    Mask plain = starts & ~masks.Ampersand & ~(masks.Less & (openerAfter | lastByte));
    for (Mask reference = starts & masks.Ampersand & ~Mask(1); reference != 0;
         reference &= reference - 1) {
        plain &= ~HighestBit(starts & ((reference & -reference) - 1));
    }
    buffer.TokenWindow = {start, starts, plain, token_tables::TablesOf(buffer).WindowKinds.data(),
                          buffer.Utf8};
}

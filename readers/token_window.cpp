// The map of the bytes ahead that NextToken steps by: for 64 bytes at once,
// masks of the bytes' classes (one bit a byte) give where each token begins,
// as the scanner would read them from the window's first byte on.
#include "platform/ansi.h"
#include "readers/tokens.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using Mask = std::uint64_t;
constexpr int Size = TTokenWindow::Size;

constexpr Mask Bit(int i) {
    return Mask(1) << i;
}

// Bit i for byte i of the window, for each class the map needs.
struct ClassMasks {
    Mask High = 0;   // 0x80 and above
    Mask Letter = 0; // ASCII letters
    Mask Digit = 0;
    Mask Apostrophe = 0;
    Mask NumberMark = 0; // "," "." ":"
    Mask Hyphen = 0;
    Mask Ampersand = 0;
    Mask Slash = 0;
    Mask Less = 0;
    Mask Greater = 0;
    Mask Opener = 0; // "!" "?", which after "<" open a declaration or an instruction
};

#if defined(__SSE2__)

ClassMasks MasksOf(const unsigned char* bytes) {
    ClassMasks masks;
    for (int part = 0; part < Size / 16; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
        const auto bits = [part](__m128i is) {
            return Mask(static_cast<unsigned>(_mm_movemask_epi8(is))) << (16 * part);
        };
        const auto is = [&v](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
        // first <= byte < first + count, as a signed comparison shifted to -128.
        const auto inRange = [](__m128i x, char first, int count) {
            const __m128i shifted = _mm_add_epi8(x, _mm_set1_epi8(static_cast<char>(0x80 - first)));
            return _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(-128 + count)));
        };
        masks.High |= bits(v);
        masks.Letter |= bits(inRange(_mm_or_si128(v, _mm_set1_epi8(0x20)), 'a', 26));
        masks.Digit |= bits(inRange(v, '0', 10));
        masks.Apostrophe |= bits(is('\''));
        masks.NumberMark |= bits(_mm_or_si128(_mm_or_si128(is(','), is('.')), is(':')));
        masks.Hyphen |= bits(is('-'));
        masks.Ampersand |= bits(is('&'));
        masks.Slash |= bits(is('/'));
        masks.Less |= bits(is('<'));
        masks.Greater |= bits(is('>'));
        masks.Opener |= bits(_mm_or_si128(is('!'), is('?')));
    }
    return masks;
}

#else

ClassMasks MasksOf(const unsigned char* bytes) {
    ClassMasks masks;
    for (int i = 0; i < Size; ++i) {
        const unsigned char c = bytes[i];
        const auto set = [i](Mask& mask, bool is) { mask |= Mask(is) << i; };
        set(masks.High, c >= 0x80);
        set(masks.Letter, (c | 0x20) >= 'a' && (c | 0x20) <= 'z');
        set(masks.Digit, c >= '0' && c <= '9');
        set(masks.Apostrophe, c == '\'');
        set(masks.NumberMark, c == ',' || c == '.' || c == ':');
        set(masks.Hyphen, c == '-');
        set(masks.Ampersand, c == '&');
        set(masks.Slash, c == '/');
        set(masks.Less, c == '<');
        set(masks.Greater, c == '>');
        set(masks.Opener, c == '!' || c == '?');
    }
    return masks;
}

#endif

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
    const ClassMasks masks = MasksOf(bytes);
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
    buffer.TokenWindow = {start, starts, plain, buffer.Utf8};
}

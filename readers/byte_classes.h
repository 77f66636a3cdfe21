// The classes of 64 bytes at once, one bit a byte, for the token scanner's map
// of the bytes ahead. Each processor's vector instructions give the same masks
// as the plain loop.
#pragma once

#include <cstdint>

namespace byte_classes {

constexpr int Size = 64;
using Mask = std::uint64_t;

// Bit i for byte i, for each class the map needs.
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

// The masks of the Size bytes from bytes on, the fastest way this processor has.
ClassMasks MasksOf(const unsigned char* bytes);

// Byte by byte: on processors without vector instructions, and for tests.
ClassMasks MasksByBytes(const unsigned char* bytes);

#if defined(__SSE2__)
// Sixteen bytes at a time.
ClassMasks MasksBySse2(const unsigned char* bytes);
// All 64 at once, where the processor has AVX-512BW.
bool HasAvx512();
ClassMasks MasksByAvx512(const unsigned char* bytes);
#endif

} // namespace byte_classes

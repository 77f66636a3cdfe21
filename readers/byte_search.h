// The search for the first of a few byte values, sixteen bytes at a time: pages
// are long, and the bytes wanted (quotes, a tag's ">") stand many bytes apart.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The first byte from from on, before end, that is one of bytes; end when none is.
template <std::size_t N>
const unsigned char* FirstOf(const unsigned char* from, const unsigned char* end,
                             const std::array<unsigned char, N>& bytes) {
#if defined(__SSE2__)
    for (; end - from >= 16; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        __m128i hits = _mm_setzero_si128();
        for (const unsigned char byte : bytes) {
            hits =
                _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(byte))));
        }
        if (const int mask = _mm_movemask_epi8(hits)) {
            return from + __builtin_ctz(static_cast<unsigned>(mask));
        }
    }
#endif
    while (from < end && std::find(bytes.begin(), bytes.end(), *from) == bytes.end()) {
        ++from;
    }
    return from;
}

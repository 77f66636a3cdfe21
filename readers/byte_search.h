// The search for the first of a few byte values, or of a pair of them, sixteen
// bytes at a time: pages are long, and the bytes wanted (quotes, a tag's ">")
// stand many bytes apart.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

template <std::size_t N>
bool IsOneOf(const std::array<unsigned char, N>& bytes, unsigned char byte) {
    return std::find(bytes.begin(), bytes.end(), byte) != bytes.end();
}

#if defined(__SSE2__)
// 0xFF in each lane of block that holds one of bytes.
template <std::size_t N> __m128i LanesOf(__m128i block, const std::array<unsigned char, N>& bytes) {
    __m128i hits = _mm_setzero_si128();
    for (const unsigned char byte : bytes) {
        hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(byte))));
    }
    return hits;
}
#endif

// The first byte from from on, before end, that is one of bytes; end when none is.
template <std::size_t N>
const unsigned char* FirstOf(const unsigned char* from, const unsigned char* end,
                             const std::array<unsigned char, N>& bytes) {
#if defined(__SSE2__)
    for (; end - from >= 16; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        if (const int mask = _mm_movemask_epi8(LanesOf(block, bytes))) {
            return from + __builtin_ctz(static_cast<unsigned>(mask));
        }
    }
#endif
    while (from < end && !IsOneOf(bytes, *from)) {
        ++from;
    }
    return from;
}

// The first byte from from on, before end, that is one of firsts and is followed
// by one of seconds, or is the last byte; end when none is.
template <std::size_t N, std::size_t M>
const unsigned char* FirstPairOf(const unsigned char* from, const unsigned char* end,
                                 const std::array<unsigned char, N>& firsts,
                                 const std::array<unsigned char, M>& seconds) {
#if defined(__SSE2__)
    for (; end - from > 16; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 1));
        if (const int mask =
                _mm_movemask_epi8(_mm_and_si128(LanesOf(block, firsts), LanesOf(next, seconds)))) {
            return from + __builtin_ctz(static_cast<unsigned>(mask));
        }
    }
#endif
    while (from < end &&
           !(IsOneOf(firsts, *from) && (from + 1 == end || IsOneOf(seconds, from[1])))) {
        ++from;
    }
    return from;
}

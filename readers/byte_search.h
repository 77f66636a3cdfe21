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
        __m128i first = _mm_setzero_si128();
        for (const unsigned char byte : firsts) {
            first =
                _mm_or_si128(first, _mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(byte))));
        }
        __m128i second = _mm_setzero_si128();
        for (const unsigned char byte : seconds) {
            second =
                _mm_or_si128(second, _mm_cmpeq_epi8(next, _mm_set1_epi8(static_cast<char>(byte))));
        }
        if (const int mask = _mm_movemask_epi8(_mm_and_si128(first, second))) {
            return from + __builtin_ctz(static_cast<unsigned>(mask));
        }
    }
#endif
    const auto isOneOf = [](const auto& bytes, unsigned char byte) {
        return std::find(bytes.begin(), bytes.end(), byte) != bytes.end();
    };
    while (from < end &&
           !(isOneOf(firsts, *from) && (from + 1 == end || isOneOf(seconds, from[1])))) {
        ++from;
    }
    return from;
}

#include "readers/byte_classes.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace byte_classes {

ClassMasks MasksByBytes(const unsigned char* bytes) {
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

#if defined(__SSE2__)

ClassMasks MasksBySse2(const unsigned char* bytes) {
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

bool HasAvx512() {
    return __builtin_cpu_supports("avx512bw");
}

__attribute__((target("avx512bw"))) ClassMasks MasksByAvx512(const unsigned char* bytes) {
    const __m512i v = _mm512_loadu_si512(bytes);
    const auto is = [v](char c) __attribute__((target("avx512bw"))) {
        return static_cast<Mask>(_mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(c)));
    };
    // first <= byte < first + count, unsigned.
    const auto inRange = [](__m512i x, char first, int count) __attribute__((target("avx512bw"))) {
        return static_cast<Mask>(
            _mm512_cmplt_epu8_mask(_mm512_sub_epi8(x, _mm512_set1_epi8(first)),
                                   _mm512_set1_epi8(static_cast<char>(count))));
    };
    ClassMasks masks;
    masks.High = _mm512_movepi8_mask(v);
    masks.Letter = inRange(_mm512_or_si512(v, _mm512_set1_epi8(0x20)), 'a', 26);
    masks.Digit = inRange(v, '0', 10);
    masks.Apostrophe = is('\'');
    masks.NumberMark = is(',') | is('.') | is(':');
    masks.Hyphen = is('-');
    masks.Ampersand = is('&');
    masks.Slash = is('/');
    masks.Less = is('<');
    masks.Greater = is('>');
    masks.Opener = is('!') | is('?');
    return masks;
}

ClassMasks MasksOf(const unsigned char* bytes) {
    static const bool avx512 = HasAvx512();
    return avx512 ? MasksByAvx512(bytes) : MasksBySse2(bytes);
}

#else

ClassMasks MasksOf(const unsigned char* bytes) {
    return MasksByBytes(bytes);
}

#endif

} // namespace byte_classes

// Characters that the 8-bit text writes as one byte of their own before the
// "Latin1" encoding is asked: Cyrillic letters, typographic punctuation and
// box-drawing characters.
#pragma once

#include <cstdint>

// The byte for a code point, or -1 when the table has none.
int ByteSubstitution(std::uint32_t codePoint);

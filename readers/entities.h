// Character references inside words: &name; and &#number; forms.
#pragma once

#include "readers/file_buffer.h"

#include <array>

struct TEntity {
    const char* Name;
    unsigned char Character;
};

// nbsp (an ordinary space), gt, lt, amp, apos (the grave accent), quot, and the
// HTML 4.01 names of the Latin-1 characters 0xA1 to 0xFF.
extern const std::array<TEntity, 101> EntityTable;

// Reads one reference from the buffer, which stands just after its "&", up to and
// including the byte that ends it. Returns its character: "?" for a malformed
// number, the first letter of an unknown name, 0 when nothing could be read.
unsigned char DecodeEntity(TFileBuffer& buffer);
// The same for UTF-8 text: a number is its Unicode character (U+FFFD past the
// last one or for a surrogate), names beyond Latin-1 (such as "euro" and
// "mdash") are known too, and "apos" is the apostrophe.
char32_t DecodeEntityCodePoint(TFileBuffer& buffer);

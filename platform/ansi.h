// The system ANSI code page of the core: Windows-1252, one byte a character.
#pragma once

#include <array>
#include <string>

namespace ansi_tables {

struct CaseTables {
    std::array<bool, 256> Letter{};
    std::array<unsigned char, 256> Upper{};
    std::array<unsigned char, 256> Lower{};
};

constexpr void Pair(CaseTables& tables, int small, int capital) {
    tables.Upper[small] = static_cast<unsigned char>(capital);
    tables.Lower[capital] = static_cast<unsigned char>(small);
    tables.Letter[small] = tables.Letter[capital] = true;
}

constexpr CaseTables MakeCaseTables() {
    CaseTables tables;
    for (int c = 0; c < 256; ++c) {
        tables.Upper[c] = tables.Lower[c] = static_cast<unsigned char>(c);
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        Pair(tables, c, c - 0x20);
    }
    Pair(tables, 0x9A, 0x8A);
    Pair(tables, 0x9C, 0x8C);
    Pair(tables, 0x9E, 0x8E);
    Pair(tables, 0xFF, 0x9F);
    for (int c = 0xE0; c <= 0xFE; ++c) {
        if (c != 0xF7) {
            Pair(tables, c, c - 0x20);
        }
    }
    // Letters without a case partner.
    for (int c : {0x83, 0x88, 0xAA, 0xB5, 0xBA, 0xDF}) {
        tables.Letter[c] = true;
    }
    return tables;
}

inline constexpr CaseTables Tables = MakeCaseTables();

} // namespace ansi_tables

inline bool IsAnsiLetter(unsigned char c) {
    return ansi_tables::Tables.Letter[c];
}
constexpr unsigned char AnsiUpper(unsigned char c) {
    return ansi_tables::Tables.Upper[c];
}
constexpr unsigned char AnsiLower(unsigned char c) {
    return ansi_tables::Tables.Lower[c];
}
std::string AnsiUpperCase(std::string text);
std::string AnsiLowerCase(std::string text);

// The text without the characters up to and including the space (control
// characters and spaces) at both ends.
std::string TrimBlanks(const std::string& text);

// Each byte becomes its Windows-1252 character; the five undefined bytes become
// the C1 control of the same value, so every byte string survives the round trip.
std::string AnsiToUtf8(const std::string& text);
// Appends the UTF-8 bytes of a Unicode character (below U+110000).
void AppendUtf8(std::string& out, char32_t cp);
// The code page's byte of a Unicode character, when the code page has it (an
// undefined byte stands for the C1 control of its own value).
bool AnsiByteOf(char32_t cp, unsigned char& byte);

// The inverse of AnsiToUtf8; a character outside the code page, or a malformed
// UTF-8 sequence, becomes "?".
std::string Utf8ToAnsi(const std::string& text);

// The system ANSI code page of the core: Windows-1252, one byte a character.
#pragma once

#include <string>

bool IsAnsiLetter(unsigned char c);
unsigned char AnsiUpper(unsigned char c);
unsigned char AnsiLower(unsigned char c);
std::string AnsiUpperCase(std::string text);
std::string AnsiLowerCase(std::string text);

// Each byte becomes its Windows-1252 character; the five undefined bytes become
// the C1 control of the same value, so every byte string survives the round trip.
std::string AnsiToUtf8(const std::string& text);

// The inverse of AnsiToUtf8; a character outside the code page, or a malformed
// UTF-8 sequence, becomes "?".
std::string Utf8ToAnsi(const std::string& text);

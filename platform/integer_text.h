// Whole numbers written as text, and the conversion error raised for text that
// is not one.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& text);
};

// The value of a hexadecimal digit (0-9, A-F, a-f), or -1 for any other character.
int HexDigitValue(int c);
// The two upper-case hexadecimal digits of the byte value (0-255).
std::string TwoHexDigits(int value);

// An optional sign followed by decimal digits, within the signed 32-bit range.
bool TryStrToInt(const std::string& text, std::int32_t& value);

// As TryStrToInt, raising "'text' is not a valid integer value" on failure.
std::int32_t StrToInt(const std::string& text);

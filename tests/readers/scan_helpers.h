// Scanning strings in tests: buffers made of bytes in memory.
#pragma once

#include "readers/tokens.h"

#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

using TokenList = std::vector<std::pair<TTokenKind, std::string>>;

inline TFileBuffer BufferOf(const std::string& data, bool utf8 = false) {
    TFileBuffer buffer;
    AssignBuffer(buffer, data);
    buffer.Utf8 = utf8;
    return buffer;
}

// Every token of data (UTF-8 when told) up to and without the closing tkEnd.
inline TokenList Scan(const std::string& data, bool utf8 = false) {
    TFileBuffer buffer = BufferOf(data, utf8);
    TokenList tokens;
    std::string text;
    TTokenKind kind;
    while ((kind = NextToken(buffer, text)) != tkEnd) {
        tokens.emplace_back(kind, text);
    }
    return tokens;
}

// Strings of pieces taken in a fixed pseudo-random order, for tests that read
// many strings two ways and compare.
class RandomPieces {
  public:
    explicit RandomPieces(std::uint32_t seed) : seed_(seed) {}

    // count pieces, each one of pieces (a string's bytes or strings).
    template <typename Pieces> std::string Next(const Pieces& pieces, int count) {
        std::string text;
        for (; count > 0; --count) {
            seed_ = seed_ * 1103515245u + 12345u;
            text += pieces[(seed_ >> 16) % std::size(pieces)];
        }
        return text;
    }

  private:
    std::uint32_t seed_;
};

// Scanning strings in tests: buffers made of bytes in memory.
#pragma once

#include "readers/tokens.h"

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

// Comparing the words of an extracted text with a reference text: words are runs
// of ASCII letters and digits, so that both may differ in encoding and layout.
#pragma once

#include <cstddef>
#include <string>

struct WordAgreement {
    std::size_t Shared = 0;         // occurrences found in both, word by word
    std::size_t ReferenceWords = 0; // occurrences in the reference
    std::size_t TextWords = 0;      // occurrences in the text
};

WordAgreement CompareWords(const std::string& text, const std::string& reference);

// Text folded for finding: lower case (full case folding) without accents, so
// that "Élan", "ELAN" and "elan" all find each other.
#pragma once

#include <string>

// The folded form of text in the code page, as UTF-8.
std::string FoldedForSearch(const std::string& text);

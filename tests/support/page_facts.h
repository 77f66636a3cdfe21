// Facts of a real HTML page found without the program's own scanner, to check
// the keywords it chooses: title and heading words, and the text a visitor sees.
#pragma once

#include <set>
#include <string>
#include <vector>

class TRating;

// Words in lower case (Windows-1252): runs of letters, digits, "-" and "'".
std::vector<std::string> SplitWords(const std::string& text);

// The words of the title element.
std::vector<std::string> TitleWords(const std::string& page);
// The words of the title and of the h1, h2 and h3 elements.
std::vector<std::string> HeadingWords(const std::string& page);
// The page's text in lower case without script and style elements, comments and
// tags, with the common character references decoded.
std::string VisibleText(const std::string& page);
// The pieces of the keywords meta element, in lower case and trimmed.
std::set<std::string> MetaKeywords(const std::string& page);

// The stop words of loaded rating settings: the words of every group rated below
// StopWordsMinimalRating.
std::set<std::string> StopWordsOf(const TRating& rating);

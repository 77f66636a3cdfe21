// The opening of a page's visible text, for a description where the page has
// none of its own.
#pragma once

#include "readers/file_buffer.h"

#include <cstddef>
#include <string>

// The visible text after the page's first h1 heading (after its title when it
// has no h1 heading, or from its start), spaces run together, without scripts,
// styles, navigation, forms and comments; at most length bytes, cut at a word's
// end and then ending with "...". Empty when the first length bytes hold no
// word's end, except in UTF-8, where text without spaces is cut between two
// characters.
std::string OpeningText(TFileBuffer& page, std::size_t length);

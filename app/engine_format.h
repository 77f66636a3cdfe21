// The database block of an engine file: four JavaScript arrays of string
// literals between the begin and end signatures of the page.
#pragma once

#include <string>

// The text as the inside of a JavaScript string in apostrophes, safe inside an
// HTML script element: apostrophes and backslashes are escaped, a carriage
// return becomes a space, a line feed is dropped, and "</" and "<!" are written
// "<\/" and "<\!". The engine file's reader gives the text back.
std::string EscapeJs(const std::string& text);

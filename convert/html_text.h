// Document text written into the converters' HTML pages.
#pragma once

#include <string>

// The text with "&", "<", ">" and the double quote written as entities, so
// that no document text reads as markup or ends an attribute.
std::string HtmlEscaped(const std::string& text);

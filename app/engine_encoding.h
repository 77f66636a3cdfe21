// The encoding of an engine file's texts: Windows-1252, the code page, as the
// format has always been, or UTF-8 when the page says so.
#pragma once

#include <string>

enum class TEngineEncoding { Windows1252, Utf8 };

// UTF-8 when the content starts with a UTF-8 byte-order mark, or when the text
// before its begin signature holds "charset" followed by spaces, quotes or "="
// and then "utf-8" or "utf8" (in any case), as a meta element or a comment of
// the script does; otherwise Windows-1252.
TEngineEncoding EngineEncodingOf(const std::string& content);

// The same for the file at path; Windows-1252 when it cannot be read.
TEngineEncoding EngineFileEncoding(const std::string& path);

// The content of a Windows-1252 engine file as a UTF-8 one: the whole page
// transcoded, and the charsets it declares before its database changed to
// "utf-8"; a page with a head tag but no declaration gets a meta element
// after it, and a script (no head tag) a byte-order mark, which browsers
// take over the charset of the element that includes it. A UTF-8 engine's
// content comes back as it is.
std::string EngineInUtf8(const std::string& content);

// "utf-8" or "windows-1252".
const char* EncodingName(TEngineEncoding encoding);

// The encoding of the engine file open now, read with its lists.
extern TEngineEncoding EngineEncoding;

// A text of the open engine as UTF-8 (in a UTF-8 engine a malformed sequence
// reads as U+FFFD), and the other way.
std::string EngineTextToUtf8(const std::string& text);
std::string EngineTextFromUtf8(const std::string& utf8);

// A text in the code page (a converter's, say) in the open engine's encoding.
std::string EngineTextFromAnsi(const std::string& text);

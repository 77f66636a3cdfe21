// The encoding a page or text file is written in, told as a browser tells it,
// and its text brought into the core's code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Whether bytes hold any byte above 0x7F.
bool HasNonAscii(std::string_view bytes);

// The name of the encoding of bytes: a byte-order mark's ("UTF-8", "UTF-16LE",
// "UTF-16BE"); else the charset that a meta element or the XML declaration
// near the start declares, when it is one that is known; else "UTF-8" when the
// bytes are valid UTF-8; else "windows-1252". Labels that browsers read as
// Windows-1252 (ISO-8859-1, US-ASCII and their aliases) give "windows-1252".
// A text file (markup false) has no declarations: only its mark and its bytes
// tell.
std::string PageEncoding(std::string_view bytes, bool markup = true);

// Converts bytes from the encoding PageEncoding finds into the code page, in
// place; true when they changed. Each character the code page lacks becomes
// "?", and its offset in the converted text is added to missing.
bool PageToCodePage(std::string& bytes, std::vector<std::size_t>& missing, bool markup = true);

// Converts bytes from the encoding PageEncoding finds into UTF-8, in place,
// without a byte-order mark; true when they changed. A sequence that cannot
// be read becomes "?".
bool PageToUtf8(std::string& bytes, bool markup = true);

// UTF-16 units as UTF-8; an unpaired surrogate, U+FFFD and the substitute
// U+001A that converters give for what they cannot read become "?".
std::string Utf16ToUtf8(std::u16string_view units);

// A copy of text in which every word holding one of the offsets (the letters
// and digits around it, and "-" or "'" between them) is overwritten with
// spaces, so that no part of such a word is read as a word.
std::string WithoutWordsAt(const std::string& text, const std::vector<std::size_t>& offsets);

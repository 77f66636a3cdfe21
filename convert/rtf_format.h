// The character and paragraph properties that the RTF reader keeps and the HTML
// writer turns into tags.
#pragma once

#include <string>

struct TFormat {
    bool Hidden = false;
    bool Caps = false;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Superscript = false;
    bool Subscript = false;
    bool Strike = false;
    int Font = -1;
    std::string Colour = "none";
    int Size = -1;
    bool Right = false;
    bool Centred = false;
};

enum class TResetKind { Text, Par, All };

void ResetFormat(TFormat& format, TResetKind kind);

// Whether the two formats need other tags: every field but Caps counts.
bool FormatsDiffer(const TFormat& a, const TFormat& b);

// A font of the font table.
struct TFont {
    std::string Name;
    int Number = 0;
};

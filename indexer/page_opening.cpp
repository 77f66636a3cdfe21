#include "indexer/page_opening.h"

#include "platform/ansi.h"
#include "readers/tokens.h"

#include <algorithm>
#include <array>

namespace {

// Elements whose content a reader does not take for the page's text.
constexpr std::array<const char*, 12> HiddenElements = {"script", "style", "noscript", "template",
                                                        "head",   "title", "nav",      "header",
                                                        "footer", "aside", "select",   "button"};

// Elements inside a line of text: their tags part no words.
constexpr std::array<const char*, 20> InlineElements = {
    "a",   "abbr", "b", "big", "cite", "code",  "dfn",  "em",     "font", "i",
    "kbd", "mark", "q", "s",   "samp", "small", "span", "strong", "sub",  "sup"};

template <std::size_t N>
bool IsOneOf(const std::string& name, const std::array<const char*, N>& names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

// Skips to the end of the tag the scanner is in.
void SkipTag(TFileBuffer& page, std::string& text) {
    TTokenKind kind;
    while ((kind = NextToken(page, text)) != tkTagClose && kind != tkEmptyTagClose &&
           kind != tkEnd) {
    }
}

// Skips past the end tag of the element name, elements of the same name
// inside it included.
void SkipElement(TFileBuffer& page, const std::string& name, std::string& text) {
    int depth = 1;
    TTokenKind kind;
    while (depth > 0 && (kind = NextToken(page, text)) != tkEnd) {
        const bool opens = kind == tkTagOpen;
        if ((opens || kind == tkEndTagOpen) && NextToken(page, text) == tkWord &&
            AnsiLowerCase(text) == name) {
            depth += opens ? 1 : -1;
        }
    }
    SkipTag(page, text);
}

void SkipComment(TFileBuffer& page, std::string& text) {
    TTokenKind kind;
    while ((kind = NextToken(page, text)) != tkCommentClose && kind != tkEnd) {
    }
}

} // namespace

std::string OpeningText(TFileBuffer& page, std::size_t length) {
    std::int32_t start = 0;
    page.Position = 0;
    if (!FindText(page, "</h1>", start)) {
        page.Position = 0;
        if (!FindText(page, "</title>", start)) {
            start = 0;
        }
    }
    page.Position = start;
    page.PendingSpace = false;

    std::string opening;
    bool space = false;
    std::string text;
    TTokenKind kind;
    while (opening.size() <= length && (kind = NextToken(page, text)) != tkEnd) {
        switch (kind) {
        case tkTagOpen:
        case tkEndTagOpen:
            if (NextToken(page, text) == tkWord) {
                const std::string name = AnsiLowerCase(text);
                if (kind == tkTagOpen && IsOneOf(name, HiddenElements)) {
                    SkipElement(page, name, text);
                } else {
                    SkipTag(page, text);
                }
                space = space || !IsOneOf(name, InlineElements);
            }
            break;
        case tkCommentOpen:
            SkipComment(page, text);
            break;
        case tkDeclOpen:
        case tkPIOpen:
            SkipTag(page, text);
            break;
        case tkSpace:
        case tkLineEnd:
            space = true;
            break;
        default:
            if (space && !opening.empty()) {
                opening += ' ';
            }
            space = false;
            opening += text;
            break;
        }
    }
    if (opening.size() <= length) {
        return opening;
    }
    std::size_t cut = opening.rfind(' ', length);
    if (cut == std::string::npos && page.Utf8) {
        // Text written without spaces is cut between two characters.
        for (cut = length; cut > 0 && (static_cast<unsigned char>(opening[cut]) & 0xC0) == 0x80;) {
            --cut;
        }
    }
    return cut == std::string::npos || cut == 0 ? "" : opening.substr(0, cut) + "...";
}

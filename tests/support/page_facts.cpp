#include "support/page_facts.h"

#include "indexer/rating.h"
#include "platform/ansi.h"

#include <sstream>

namespace {

// The contents of every element `name`, found by plain case-insensitive search.
std::vector<std::string> ElementContents(const std::string& lowerPage, const std::string& name) {
    std::vector<std::string> contents;
    std::size_t at = 0;
    while ((at = lowerPage.find("<" + name, at)) != std::string::npos) {
        const std::size_t after = at + name.size() + 1;
        if (after >= lowerPage.size() || (lowerPage[after] != '>' && lowerPage[after] != ' ')) {
            at = after;
            continue;
        }
        const std::size_t start = lowerPage.find('>', after);
        const std::size_t end = lowerPage.find("</" + name, after);
        if (start == std::string::npos || end == std::string::npos || end < start) {
            break;
        }
        contents.push_back(lowerPage.substr(start + 1, end - start - 1));
        at = end;
    }
    return contents;
}

std::string RemoveBetween(const std::string& text, const std::string& open,
                          const std::string& close) {
    std::string out;
    std::size_t at = 0;
    std::size_t start;
    while ((start = text.find(open, at)) != std::string::npos) {
        out.append(text, at, start - at);
        const std::size_t end = text.find(close, start + open.size());
        if (end == std::string::npos) {
            return out;
        }
        at = end + close.size();
        out += ' ';
    }
    out.append(text, at, std::string::npos);
    return out;
}

// Numeric references become the low eight bits of their code, as the 8-bit
// program stores them.
std::string DecodeNumericReferences(const std::string& text) {
    std::string out;
    std::size_t at = 0;
    std::size_t start;
    while ((start = text.find("&#", at)) != std::string::npos) {
        out.append(text, at, start - at);
        const bool hexadecimal = start + 2 < text.size() && text[start + 2] == 'x';
        const std::size_t digits = start + (hexadecimal ? 3 : 2);
        const std::size_t end = text.find(';', digits);
        const std::string number =
            end == std::string::npos ? "" : text.substr(digits, end - digits);
        const char* accepted = hexadecimal ? "0123456789abcdef" : "0123456789";
        if (number.empty() || number.size() > 7 ||
            number.find_first_not_of(accepted) != std::string::npos) {
            out += "&#";
            at = start + 2;
            continue;
        }
        out += static_cast<char>(std::stoul(number, nullptr, hexadecimal ? 16 : 10) & 0xFF);
        at = end + 1;
    }
    out.append(text, at, std::string::npos);
    return out;
}

std::string DecodeCommonReferences(std::string text) {
    const std::pair<const char*, const char*> references[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}};
    for (const auto& [reference, character] : references) {
        std::size_t at;
        while ((at = text.find(reference)) != std::string::npos) {
            text.replace(at, std::char_traits<char>::length(reference), character);
        }
    }
    text = DecodeNumericReferences(text);
    std::size_t at;
    while ((at = text.find("&amp;")) != std::string::npos) {
        text.replace(at, 5, "&");
    }
    return text;
}

std::string StripTags(const std::string& text) {
    return RemoveBetween(text, "<", ">");
}

} // namespace

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        const auto byte = static_cast<unsigned char>(c);
        if (IsAnsiLetter(byte) || (byte >= '0' && byte <= '9') || c == '-' || c == '\'') {
            word += static_cast<char>(AnsiLower(byte));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

std::vector<std::string> TitleWords(const std::string& page) {
    std::vector<std::string> words;
    for (const std::string& title : ElementContents(AnsiLowerCase(page), "title")) {
        for (const std::string& word : SplitWords(DecodeCommonReferences(StripTags(title)))) {
            words.push_back(word);
        }
    }
    return words;
}

std::vector<std::string> HeadingWords(const std::string& page) {
    const std::string lower = AnsiLowerCase(page);
    std::vector<std::string> words;
    for (const char* name : {"title", "h1", "h2", "h3"}) {
        for (const std::string& heading : ElementContents(lower, name)) {
            for (const std::string& word : SplitWords(DecodeCommonReferences(StripTags(heading)))) {
                words.push_back(word);
            }
        }
    }
    return words;
}

std::string VisibleText(const std::string& page) {
    std::string text = AnsiLowerCase(page);
    text = RemoveBetween(text, "<!-", "->");
    text = RemoveBetween(text, "<script", "</script>");
    text = RemoveBetween(text, "<style", "</style>");
    return DecodeCommonReferences(StripTags(text));
}

std::set<std::string> MetaKeywords(const std::string& page) {
    std::set<std::string> keywords;
    const std::string lower = AnsiLowerCase(page);
    const std::size_t name = lower.find("\"keywords\"");
    if (name == std::string::npos) {
        return keywords;
    }
    const std::size_t open = lower.find('"', name + 10);
    const std::size_t close = open == std::string::npos ? open : lower.find('"', open + 1);
    if (close == std::string::npos) {
        return keywords;
    }
    std::string piece;
    for (const char c : lower.substr(open + 1, close - open - 1) + ',') {
        if (c != ',') {
            piece += c;
            continue;
        }
        const auto first = piece.find_first_not_of(" \t\r\n");
        if (first != std::string::npos) {
            keywords.insert(piece.substr(first, piece.find_last_not_of(" \t\r\n") - first + 1));
        }
        piece.clear();
    }
    return keywords;
}

std::set<std::string> StopWordsOf(const TRating& rating) {
    std::set<std::string> stopWords;
    for (const TWordGroup& group : rating.WordGroups) {
        if (group.Rating < rating.StopWordsMinimalRating) {
            std::istringstream words(group.Text);
            for (std::string word; words >> word;) {
                stopWords.insert(word);
            }
        }
    }
    return stopWords;
}

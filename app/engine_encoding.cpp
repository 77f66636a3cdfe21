#include "app/engine_encoding.h"

#include "app/app_settings.h"
#include "platform/ansi.h"
#include "platform/files.h"

#include <cstdint>
#include <unicode/utf8.h>
#include <vector>

TEngineEncoding EngineEncoding = TEngineEncoding::Windows1252;

namespace {

// Whether text holds word (ASCII, in lower case) at offset at, in any case.
bool HasAt(const std::string& text, std::size_t at, const std::string& word) {
    if (at + word.size() > text.size()) {
        return false;
    }
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (AnsiLower(static_cast<unsigned char>(text[at + k])) !=
            static_cast<unsigned char>(word[k])) {
            return false;
        }
    }
    return true;
}

// The offset of the first occurrence of word (lower case) in text[0, end), or end.
std::size_t Find(const std::string& text, const std::string& word, std::size_t from,
                 std::size_t end) {
    for (std::size_t at = from; at + word.size() <= end; ++at) {
        if (HasAt(text, at, word)) {
            return at;
        }
    }
    return end;
}

// The text with each malformed UTF-8 sequence replaced by U+FFFD.
std::string WellFormedUtf8(const std::string& text) {
    const auto* const s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::string out;
    out.reserve(text.size());
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(text, static_cast<std::size_t>(start), static_cast<std::size_t>(i - start));
        }
    }
    return out;
}

// The offset of the begin signature in content (the end of its head), or
// the content's size.
std::size_t HeadEnd(const std::string& content) {
    const std::string signature = AnsiLowerCase(AppSettings.BeginSignature);
    return signature.empty() ? content.size() : Find(content, signature, 0, content.size());
}

// The offsets of the charset labels that the head of content declares: each
// after "charset" and the spaces, quotes and "=" that follow it.
std::vector<std::size_t> DeclaredLabels(const std::string& content) {
    const std::size_t head = HeadEnd(content);
    std::vector<std::size_t> labels;
    for (std::size_t at = Find(content, "charset", 0, head); at < head;
         at = Find(content, "charset", at + 1, head)) {
        std::size_t value = at + 7;
        while (value < head &&
               std::string(" \t\r\n\"'=").find(content[value]) != std::string::npos) {
            ++value;
        }
        labels.push_back(value);
    }
    return labels;
}

bool IsLabelByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == ':' || c == '.';
}

constexpr const char* ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

TEngineEncoding EngineEncodingOf(const std::string& content) {
    if (content.compare(0, 3, ByteOrderMark) == 0) {
        return TEngineEncoding::Utf8;
    }
    for (const std::size_t label : DeclaredLabels(content)) {
        if (HasAt(content, label, "utf-8") || HasAt(content, label, "utf8")) {
            return TEngineEncoding::Utf8;
        }
    }
    return TEngineEncoding::Windows1252;
}

std::string EngineInUtf8(const std::string& content) {
    if (EngineEncodingOf(content) == TEngineEncoding::Utf8) {
        return content;
    }
    std::string page = AnsiToUtf8(content);
    const std::vector<std::size_t> labels = DeclaredLabels(page);
    for (auto label = labels.rbegin(); label != labels.rend(); ++label) {
        std::size_t end = *label;
        while (end < page.size() && IsLabelByte(page[end])) {
            ++end;
        }
        page.replace(*label, end - *label, "utf-8");
    }
    const std::size_t head = HeadEnd(page);
    std::size_t headTag = Find(page, "<head", 0, head);
    while (headTag < head && page.find_first_of("> \t\r\n", headTag + 5) != headTag + 5) {
        headTag = Find(page, "<head", headTag + 1, head); // "<header" is no head
    }
    const std::size_t headTagEnd = headTag < head ? page.find('>', headTag) : std::string::npos;
    if (headTagEnd >= head) {
        // A script: the page that includes it may name another charset, and
        // browsers take a byte-order mark over that.
        return ByteOrderMark + page;
    }
    return labels.empty() ? page.insert(headTagEnd + 1, "<meta charset=\"utf-8\">") : page;
}

TEngineEncoding EngineFileEncoding(const std::string& path) {
    std::string content;
    return ReadWholeFile(path, content) ? EngineEncodingOf(content) : TEngineEncoding::Windows1252;
}

const char* EncodingName(TEngineEncoding encoding) {
    return encoding == TEngineEncoding::Utf8 ? "utf-8" : "windows-1252";
}

std::string EngineTextToUtf8(const std::string& text) {
    return EngineEncoding == TEngineEncoding::Utf8 ? WellFormedUtf8(text) : AnsiToUtf8(text);
}

std::string EngineTextFromUtf8(const std::string& utf8) {
    return EngineEncoding == TEngineEncoding::Utf8 ? WellFormedUtf8(utf8) : Utf8ToAnsi(utf8);
}

std::string EngineTextFromAnsi(const std::string& text) {
    return EngineEncoding == TEngineEncoding::Utf8 ? AnsiToUtf8(text) : text;
}

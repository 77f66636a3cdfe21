#include "app/engine_format.h"

#include "app/app_settings.h"
#include "app/base.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "readers/file_buffer.h"

#include <algorithm>
#include <array>

namespace {

const char* const LineEnd = "\r\n";
const char* const ArrayCall = "NEW ARRAY";

// The bytes at which the escaping has a decision to make; the end signature's
// chosen byte is looked at separately.
constexpr std::array<bool, 256> MakeSpecialBytes() {
    std::array<bool, 256> special{};
    for (const unsigned char c : {'\'', '\\', '<', '('}) {
        special[c] = true;
    }
    return special;
}
constexpr std::array<bool, 256> SpecialBytes = MakeSpecialBytes();

// Whether text holds, case ignored, the upper-case word at position at.
bool HoldsAt(const std::string& text, std::size_t at, const std::string& word) {
    if (at > text.size() || text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (AnsiUpper(static_cast<unsigned char>(text[at + k])) !=
            AnsiUpper(static_cast<unsigned char>(word[k]))) {
            return false;
        }
    }
    return true;
}

// The text with its line breaks as the reader would give them back: a carriage
// return as a space, a line feed dropped.
std::string WithoutLineBreaks(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (const char c : text) {
        if (c != '\n') {
            plain += c == '\r' ? ' ' : c;
        }
    }
    return plain;
}

// The bytes a JavaScript string reads back as other than themselves after a
// backslash: digits, the letters of escapes such as \n or \x, line breaks,
// the backslash and the apostrophe.
constexpr std::array<bool, 256> MakeEscapeBytes() {
    std::array<bool, 256> escape{};
    for (const unsigned char c : "0123456789bfnrtuvx\r\n\\'") {
        escape[c] = true;
    }
    return escape;
}
constexpr std::array<bool, 256> EscapeBytes = MakeEscapeBytes();

// Where a backslash breaks the end signature when a text holds it: before
// its first byte after the first that a JavaScript string reads back as
// itself.
std::size_t SignatureBreak(const std::string& signature) {
    for (std::size_t k = 1; k < signature.size(); ++k) {
        if (!EscapeBytes[static_cast<unsigned char>(signature[k])]) {
            return k;
        }
    }
    return std::string::npos;
}

// Appends text escaped as the inside of a JavaScript string in apostrophes, so
// that the bytes written hold neither an array head, the end signature, "</",
// "<!" nor "<script": a backslash goes before the byte that would complete one
// of them (the engine file's reader and JavaScript both drop it).
void AppendEscapedJs(std::string& out, const std::string& raw) {
    std::string plain;
    // Two searches for one byte each, which go many bytes at a time.
    if (raw.find('\r') != std::string::npos || raw.find('\n') != std::string::npos) {
        plain = WithoutLineBreaks(raw);
    }
    const std::string& text = plain.empty() ? raw : plain;
    const std::string& signature = AppSettings.EndSignature;
    const std::size_t breakAt = SignatureBreak(signature);
    const unsigned char breakByte =
        breakAt == std::string::npos ? 0 : static_cast<unsigned char>(signature[breakAt]);
    const auto isSpecial = [&](unsigned char c) {
        return SpecialBytes[c] || (breakByte != 0 && AnsiUpper(c) == AnsiUpper(breakByte));
    };
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t run = i;
        while (run < text.size() && !isSpecial(static_cast<unsigned char>(text[run]))) {
            ++run;
        }
        out.append(text, i, run - i);
        if (run == text.size()) {
            return;
        }
        const char c = text[run];
        i = run + 1;
        if (c == '\'' || c == '\\') {
            out += '\\';
            out += c;
            continue;
        }
        if (breakByte != 0 && run >= breakAt && HoldsAt(text, run - breakAt, signature)) {
            out += '\\';
        } else if (c == '(' && run >= 9 && HoldsAt(text, run - 9, ArrayCall)) {
            out += '\\';
        }
        out += c;
        // "<" followed by "/", "!" or "script": the backslash goes between.
        if (c == '<' && i < text.size() &&
            (text[i] == '/' || text[i] == '!' || HoldsAt(text, i, "SCRIPT"))) {
            out += '\\';
        }
    }
}

// The URL of an ln element: its "+" signs written as %2B, so that the element's
// last "+" ends the caption.
void AppendEscapedUrl(std::string& out, const std::string& url) {
    if (url.find('+') == std::string::npos) {
        AppendEscapedJs(out, url);
        return;
    }
    std::string encoded;
    for (const char c : url) {
        encoded += c == '+' ? std::string("%2B") : std::string(1, c);
    }
    AppendEscapedJs(out, encoded);
}

// Writes one array: its head, one element a line, and its end. content(i, line)
// appends element i to line. An array with no elements holds one empty string.
template <typename Content>
bool WriteArray(OutputFile& file, const char* head, std::size_t count, Content content) {
    bool ok = file.Write(head) && file.Write(LineEnd);
    if (count == 0) {
        ok = ok && file.Write("''") && file.Write(LineEnd);
    }
    std::string line;
    for (std::size_t i = 0; ok && i < count; ++i) {
        line.assign("  '");
        content(i, line);
        line += i + 1 < count ? "'," : "'";
        line += LineEnd;
        ok = file.Write(line);
    }
    return ok && file.Write(");") && file.Write(LineEnd);
}

// The content of a link's ln element: category, caption and URL.
void AppendLinkElement(std::string& line, const TBaseRecord& link) {
    line += std::to_string(link.Category);
    line += '+';
    AppendEscapedJs(line, link.Caption);
    line += '+';
    AppendEscapedUrl(line, link.URL);
}

// The content of a link's kw element: the keywords joined by "+".
void AppendKeywordElement(std::string& line, const std::vector<std::string>& keywords) {
    for (std::size_t k = 0; k < keywords.size(); ++k) {
        if (k > 0) {
            line += '+';
        }
        AppendEscapedJs(line, keywords[k]);
    }
    // The reader drops what follows a final "+", so a last keyword written
    // empty (line feeds are dropped) needs a "+" of its own to come back.
    if (!keywords.empty() && keywords.back().find_first_not_of('\n') == std::string::npos) {
        line += '+';
    }
}

// The database's begin line and the ln, ds and kw arrays of count links, each
// element appended by its array's content(i, line).
template <typename Links, typename Descriptions, typename Keywords>
bool WriteLinkArrays(OutputFile& file, std::size_t count, Links links, Descriptions descriptions,
                     Keywords keywords) {
    return file.Write("//DatabaseBegin") && file.Write(LineEnd) &&
           WriteArray(file, "var ln=new Array(", count, links) &&
           WriteArray(file, "var ds=new Array(", count, descriptions) &&
           WriteArray(file, "var kw=new Array(", count, keywords);
}

// Where the database block lies: after the begin signature, before the end
// signature that follows it; the whole file when either is missing.
struct BlockRange {
    std::int32_t Start = 0;
    std::int64_t End = -1; // -1: no block
};

BlockRange FindBlock(TFileBuffer& buffer) {
    BlockRange block;
    std::int32_t position = 0;
    if (!FindText(buffer, AppSettings.BeginSignature, position)) {
        return block;
    }
    const std::int32_t start = position;
    if (FindText(buffer, AppSettings.EndSignature, position)) {
        block.Start = start;
        block.End = position - static_cast<std::int64_t>(AppSettings.EndSignature.size());
    }
    return block;
}

// Finds an array head: inside the database block first, anywhere in the file
// when the block does not hold it.
bool FindHead(TFileBuffer& buffer, const BlockRange& block, const std::string& head) {
    std::int32_t position = block.Start;
    if (block.End >= 0 && FindText(buffer, head, position) &&
        position - static_cast<std::int64_t>(head.size()) < block.End) {
        return true;
    }
    position = 0;
    return FindText(buffer, head, position);
}

// Reads the elements of an array, handing each to read with its index, until
// an element is not followed by a comma. An array of one empty element, the
// form an empty list is written in, has no elements.
template <typename Reader>
void ReadArray(TFileBuffer& buffer, const BlockRange& block, const char* head, Reader read) {
    if (!FindHead(buffer, block, head)) {
        return;
    }
    for (std::size_t index = 0;; ++index) {
        std::string element = ReadQuoted(buffer, '\'');
        const bool more = ReadByte(buffer) == ',';
        if (index == 0 && !more && element.empty()) {
            return;
        }
        read(index, std::move(element));
        if (!more) {
            return;
        }
    }
}

// Category, caption and URL of an ln element: the text up to the first "+",
// up to the last, and the rest (%2B in the URL reads as "+"). A category that
// is no whole number is answered as false, the link getting category 0.
bool ReadLinkElement(std::string&& element, TBaseRecord& link) {
    const std::size_t first = element.find('+');
    bool numbered = true;
    try {
        link.Category = StrToInt(element.substr(0, first));
    } catch (const ConversionError&) {
        link.Category = 0;
        numbered = false;
    }
    if (first == std::string::npos) {
        return numbered;
    }
    const std::size_t last = element.rfind('+');
    if (last == first) {
        link.Caption = element.substr(first + 1);
        return numbered;
    }
    link.Caption = element.substr(first + 1, last - first - 1);
    // The URL takes over the element's storage.
    link.URL = std::move(element);
    link.URL.erase(0, last + 1);
    for (std::size_t at = link.URL.find("%2B"); at != std::string::npos;
         at = link.URL.find("%2B", at + 1)) {
        link.URL.replace(at, 3, "+");
    }
    return numbered;
}

// Appends the keywords of a kw element: cut at every "+"; a "+" at the very end
// adds nothing.
void ReadKeywordElement(const std::string& element, std::vector<std::string>& keywords) {
    keywords.reserve(keywords.size() +
                     static_cast<std::size_t>(std::count(element.begin(), element.end(), '+')) + 1);
    std::size_t start = 0;
    std::size_t plus;
    while ((plus = element.find('+', start)) != std::string::npos) {
        keywords.emplace_back(element, start, plus - start);
        start = plus + 1;
    }
    if (start < element.size()) {
        keywords.emplace_back(element, start);
    }
}

} // namespace

std::string EscapeJs(const std::string& text) {
    std::string escaped;
    AppendEscapedJs(escaped, text);
    return escaped;
}

bool TCat::WriteToFile(OutputFile& file) const {
    return WriteArray(
        file, "var cg=new Array(", names_.size(),
        [this](std::size_t i, std::string& line) { AppendEscapedJs(line, names_[i]); });
}

bool TBase::WriteToFile(OutputFile& file) const {
    return WriteLinkArrays(
        file, links_.size(),
        [this](std::size_t i, std::string& line) { AppendLinkElement(line, links_[i]); },
        [this](std::size_t i, std::string& line) { AppendEscapedJs(line, links_[i].Description); },
        [this](std::size_t i, std::string& line) {
            AppendKeywordElement(line, links_[i].Keywords);
        });
}

void TWrittenLinks::Add(const TBaseRecord& link) {
    AppendLinkElement(links_.Text, link);
    links_.Ends.push_back(links_.Text.size());
    AppendEscapedJs(descriptions_.Text, link.Description);
    descriptions_.Ends.push_back(descriptions_.Text.size());
    AppendKeywordElement(keywords_.Text, link.Keywords);
    keywords_.Ends.push_back(keywords_.Text.size());
}

bool TWrittenLinks::WriteToFile(OutputFile& file) const {
    const auto elementsOf = [](const Elements& elements) {
        return [&elements](std::size_t i, std::string& line) {
            const std::size_t start = i > 0 ? elements.Ends[i - 1] : 0;
            line.append(elements.Text, start, elements.Ends[i] - start);
        };
    };
    return WriteLinkArrays(file, links_.Ends.size(), elementsOf(links_), elementsOf(descriptions_),
                           elementsOf(keywords_));
}

void TCat::LoadFromFile(const std::string& path) {
    TFileBuffer buffer;
    if (OpenFileBuffer(buffer, path)) {
        LoadFromBuffer(buffer);
    }
}

void TCat::LoadFromBuffer(TFileBuffer& engine) {
    ReadArray(engine, FindBlock(engine), "var cg=new Array(",
              [this](std::size_t, std::string&& name) { Add(name); });
}

std::vector<TBadCategory> TBase::LoadFromFile(const std::string& path) {
    TFileBuffer buffer;
    return OpenFileBuffer(buffer, path) ? LoadFromBuffer(buffer) : std::vector<TBadCategory>();
}

std::vector<TBadCategory> TBase::LoadFromBuffer(TFileBuffer& engine) {
    Touch();
    const std::size_t first = links_.size();
    std::vector<TBadCategory> problems = ForEachEngineLink(
        engine, [this](TBaseRecord&& link) { links_.push_back(std::move(link)); });
    for (TBadCategory& problem : problems) {
        problem.Link += static_cast<std::int32_t>(first);
    }
    return problems;
}

std::vector<TBadCategory> ForEachEngineLink(TFileBuffer& engine,
                                            const std::function<void(TBaseRecord&&)>& take) {
    // The three arrays are read side by side, each from where its next element
    // starts (-1 once it ended or when it is missing); ds and kw elements
    // beyond the links of ln are never read.
    const BlockRange block = FindBlock(engine);
    const auto start = [&](const char* head) {
        return FindHead(engine, block, head) ? engine.Position : -1;
    };
    std::int32_t links = start("var ln=new Array(");
    std::int32_t descriptions = start("var ds=new Array(");
    std::int32_t keywords = start("var kw=new Array(");
    // The next element of an array, or none for the one empty element of an
    // empty list.
    const auto next = [&](std::int32_t& at, std::size_t index, std::string& element) {
        engine.Position = at;
        element = ReadQuoted(engine, '\'');
        const bool more = ReadByte(engine) == ',';
        at = more ? engine.Position : -1;
        return index > 0 || more || !element.empty();
    };
    std::vector<TBadCategory> problems;
    std::string element;
    for (std::size_t index = 0; links >= 0; ++index) {
        if (!next(links, index, element)) {
            break;
        }
        TBaseRecord link;
        const std::string text = element.substr(0, element.find('+'));
        if (!ReadLinkElement(std::move(element), link)) {
            problems.push_back({static_cast<std::int32_t>(index), text});
        }
        if (descriptions >= 0 && next(descriptions, index, element)) {
            link.Description = std::move(element);
        }
        if (keywords >= 0 && next(keywords, index, element)) {
            ReadKeywordElement(element, link.Keywords);
        }
        take(std::move(link));
    }
    return problems;
}

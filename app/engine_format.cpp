#include "app/engine_format.h"

#include "app/base.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "readers/file_buffer.h"

#include <algorithm>
#include <array>

namespace {

const char* const LineEnd = "\r\n";

// The bytes that the escaping changes.
constexpr std::array<bool, 256> MakeSpecialBytes() {
    std::array<bool, 256> special{};
    for (const unsigned char c : {'\'', '\\', '\r', '\n', '<'}) {
        special[c] = true;
    }
    return special;
}
constexpr std::array<bool, 256> SpecialBytes = MakeSpecialBytes();

// Appends text escaped as the inside of a JavaScript string in apostrophes.
void AppendEscapedJs(std::string& out, const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t run = i;
        while (run < text.size() && !SpecialBytes[static_cast<unsigned char>(text[run])]) {
            ++run;
        }
        out.append(text, i, run - i);
        if (run == text.size()) {
            return;
        }
        const char c = text[run];
        i = run + 1;
        switch (c) {
        case '\'':
            out += "\\'";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += ' ';
            break;
        case '\n':
            break;
        default: // "<": a following "/" or "!" gets a backslash before it
            out += c;
            if (i < text.size() && (text[i] == '/' || text[i] == '!')) {
                out += '\\';
            }
        }
    }
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

// Reads the elements of the array whose head is found first in the file, handing
// each to read with its index, until an element is not followed by a comma or
// read answers false.
template <typename Reader> void ReadArray(TFileBuffer& buffer, const char* head, Reader read) {
    std::int32_t position = 0;
    if (!FindText(buffer, head, position)) {
        return;
    }
    for (std::size_t index = 0;; ++index) {
        if (!read(index, ReadQuoted(buffer, '\''))) {
            return;
        }
        if (ReadByte(buffer) != ',') {
            return;
        }
    }
}

// Category, caption and URL of an ln element: the text up to the first "+", up to
// the second, and the rest. Missing parts stay empty.
void ReadLinkElement(std::string&& element, TBaseRecord& link) {
    const std::size_t first = element.find('+');
    link.Category = StrToInt(element.substr(0, first));
    if (first == std::string::npos) {
        return;
    }
    const std::size_t second = element.find('+', first + 1);
    link.Caption = element.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                         : second - first - 1);
    if (second != std::string::npos) {
        // The URL takes over the element's storage.
        link.URL = std::move(element);
        link.URL.erase(0, second + 1);
    }
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
    const auto linkContent = [this](std::size_t i, std::string& line) {
        const TBaseRecord& link = links_[i];
        line += std::to_string(link.Category);
        line += '+';
        AppendEscapedJs(line, link.Caption);
        line += '+';
        AppendEscapedJs(line, link.URL);
    };
    const auto descriptionContent = [this](std::size_t i, std::string& line) {
        AppendEscapedJs(line, links_[i].Description);
    };
    const auto keywordContent = [this](std::size_t i, std::string& line) {
        const std::vector<std::string>& keywords = links_[i].Keywords;
        for (std::size_t k = 0; k < keywords.size(); ++k) {
            if (k > 0) {
                line += '+';
            }
            AppendEscapedJs(line, keywords[k]);
        }
    };
    return file.Write("//DatabaseBegin") && file.Write(LineEnd) &&
           WriteArray(file, "var ln=new Array(", links_.size(), linkContent) &&
           WriteArray(file, "var ds=new Array(", links_.size(), descriptionContent) &&
           WriteArray(file, "var kw=new Array(", links_.size(), keywordContent);
}

void TCat::LoadFromFile(const std::string& path) {
    TFileBuffer buffer;
    if (OpenFileBuffer(buffer, path)) {
        LoadFromBuffer(buffer);
    }
}

void TCat::LoadFromBuffer(TFileBuffer& engine) {
    ReadArray(engine, "var cg=new Array(", [this](std::size_t, std::string&& name) {
        if (name.empty()) {
            return false;
        }
        Add(name);
        return true;
    });
}

void TBase::LoadFromFile(const std::string& path) {
    TFileBuffer buffer;
    if (OpenFileBuffer(buffer, path)) {
        LoadFromBuffer(buffer);
    }
}

void TBase::LoadFromBuffer(TFileBuffer& engine) {
    const std::size_t first = links_.size();
    ReadArray(engine, "var ln=new Array(", [this](std::size_t, std::string&& element) {
        links_.emplace_back();
        if (!element.empty()) {
            ReadLinkElement(std::move(element), links_.back());
        }
        return true;
    });
    // ds and kw elements beyond the links that ln added are ignored.
    const std::size_t added = links_.size() - first;
    ReadArray(engine, "var ds=new Array(", [&](std::size_t j, std::string&& description) {
        if (j < added) {
            links_[first + j].Description = std::move(description);
        }
        return true;
    });
    ReadArray(engine, "var kw=new Array(", [&](std::size_t j, std::string&& keywords) {
        if (j < added) {
            ReadKeywordElement(keywords, links_[first + j].Keywords);
        }
        return true;
    });
}

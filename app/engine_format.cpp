#include "app/engine_format.h"

#include "app/base.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "readers/file_buffer.h"

namespace {

const char* const LineEnd = "\r\n";

// Writes one array: its head, one element a line, and its end. An array with
// no elements holds one empty string.
template <typename Content>
bool WriteArray(OutputFile& file, const char* head, std::size_t count, Content content) {
    bool ok = file.Write(head) && file.Write(LineEnd);
    if (count == 0) {
        ok = ok && file.Write("''") && file.Write(LineEnd);
    }
    for (std::size_t i = 0; ok && i < count; ++i) {
        ok = file.Write("  '") && file.Write(content(i)) &&
             file.Write(i + 1 < count ? "'," : "'") && file.Write(LineEnd);
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
void ReadLinkElement(const std::string& element, TBaseRecord& link) {
    const std::size_t first = element.find('+');
    link.Category = StrToInt(element.substr(0, first));
    if (first == std::string::npos) {
        return;
    }
    const std::size_t second = element.find('+', first + 1);
    link.Caption = element.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                         : second - first - 1);
    if (second != std::string::npos) {
        link.URL = element.substr(second + 1);
    }
}

// Keywords of a kw element: cut at every "+"; a "+" at the very end adds nothing.
std::vector<std::string> ReadKeywordElement(const std::string& element) {
    std::vector<std::string> keywords;
    std::size_t start = 0;
    std::size_t plus;
    while ((plus = element.find('+', start)) != std::string::npos) {
        keywords.push_back(element.substr(start, plus - start));
        start = plus + 1;
    }
    if (start < element.size()) {
        keywords.push_back(element.substr(start));
    }
    return keywords;
}

} // namespace

std::string EscapeJs(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\'':
            escaped += "\\'";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        case '\r':
            escaped += ' ';
            break;
        case '\n':
            break;
        case '<':
            escaped += c;
            if (i + 1 < text.size() && (text[i + 1] == '/' || text[i + 1] == '!')) {
                escaped += '\\';
            }
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

bool TCat::WriteToFile(OutputFile& file) const {
    return WriteArray(file, "var cg=new Array(", names_.size(),
                      [this](std::size_t i) { return EscapeJs(names_[i]); });
}

bool TBase::WriteToFile(OutputFile& file) const {
    const auto linkContent = [this](std::size_t i) {
        const TBaseRecord& link = links_[i];
        return std::to_string(link.Category) + '+' + EscapeJs(link.Caption) + '+' +
               EscapeJs(link.URL);
    };
    const auto descriptionContent = [this](std::size_t i) {
        return EscapeJs(links_[i].Description);
    };
    const auto keywordContent = [this](std::size_t i) {
        const std::vector<std::string>& keywords = links_[i].Keywords;
        std::string joined;
        for (std::size_t k = 0; k < keywords.size(); ++k) {
            joined += (k > 0 ? "+" : "") + EscapeJs(keywords[k]);
        }
        return joined;
    };
    return file.Write("//DatabaseBegin") && file.Write(LineEnd) &&
           WriteArray(file, "var ln=new Array(", links_.size(), linkContent) &&
           WriteArray(file, "var ds=new Array(", links_.size(), descriptionContent) &&
           WriteArray(file, "var kw=new Array(", links_.size(), keywordContent);
}

void TCat::LoadFromFile(const std::string& path) {
    TFileBuffer buffer;
    if (!OpenFileBuffer(buffer, path)) {
        return;
    }
    ReadArray(buffer, "var cg=new Array(", [this](std::size_t, const std::string& name) {
        if (name.empty()) {
            return false;
        }
        Add(name);
        return true;
    });
}

void TBase::LoadFromFile(const std::string& path) {
    TFileBuffer buffer;
    if (!OpenFileBuffer(buffer, path)) {
        return;
    }
    const std::size_t first = links_.size();
    ReadArray(buffer, "var ln=new Array(", [this](std::size_t, const std::string& element) {
        links_.emplace_back();
        if (!element.empty()) {
            ReadLinkElement(element, links_.back());
        }
        return true;
    });
    // ds and kw elements beyond the links that ln added are ignored.
    const std::size_t added = links_.size() - first;
    ReadArray(buffer, "var ds=new Array(", [&](std::size_t j, const std::string& description) {
        if (j < added) {
            links_[first + j].Description = description;
        }
        return true;
    });
    ReadArray(buffer, "var kw=new Array(", [&](std::size_t j, const std::string& keywords) {
        if (j < added) {
            for (std::string& keyword : ReadKeywordElement(keywords)) {
                links_[first + j].Keywords.push_back(std::move(keyword));
            }
        }
        return true;
    });
}

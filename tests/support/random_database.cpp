#include "support/random_database.h"

#include <iterator>

namespace {

std::string RandomText(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> special(0, 9);
    const char specials[] = "+'\\\r\n</!,";
    std::string text(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : text) {
        c = special(random) < 3 ? specials[special(random)] : static_cast<char>(byte(random));
    }
    // Now and then a phrase that would break the page or the database block.
    const char* const phrases[] = {"var cg=new Array(", "VAR LN=NEW ARRAY(", "//DatabaseEnd",
                                   "<\n/script>",       "<SCRIPT",           "%2B"};
    std::uniform_int_distribution<std::size_t> phrase(0, 4 * std::size(phrases));
    const std::size_t chosen = phrase(random);
    if (chosen < std::size(phrases)) {
        text.insert(text.size() / 2, phrases[chosen]);
    }
    return text;
}

std::string WithoutLineBreaks(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c != '\n') {
            out += c == '\r' ? ' ' : c;
        }
    }
    return out;
}

TBaseRecord ReadBackLink(const TBaseRecord& written) {
    TBaseRecord link;
    link.Category = written.Category;
    link.Caption = WithoutLineBreaks(written.Caption);
    link.URL = WithoutLineBreaks(written.URL);
    for (std::size_t at = link.URL.find("%2B"); at != std::string::npos;
         at = link.URL.find("%2B", at + 1)) {
        link.URL.replace(at, 3, "+");
    }
    link.Description = WithoutLineBreaks(written.Description);
    std::string joined;
    for (std::size_t k = 0; k < written.Keywords.size(); ++k) {
        joined += (k > 0 ? "+" : "") + WithoutLineBreaks(written.Keywords[k]);
    }
    // An empty last keyword is written with a "+" of its own.
    if (!written.Keywords.empty() && WithoutLineBreaks(written.Keywords.back()).empty()) {
        joined += '+';
    }
    std::size_t start = 0;
    std::size_t next;
    while ((next = joined.find('+', start)) != std::string::npos) {
        link.Keywords.push_back(joined.substr(start, next - start));
        start = next + 1;
    }
    if (start < joined.size()) {
        link.Keywords.push_back(joined.substr(start));
    }
    return link;
}

} // namespace

RandomDatabase MakeRandomDatabase(std::mt19937& random) {
    std::uniform_int_distribution<int> count(0, 6);
    std::uniform_int_distribution<std::int32_t> anyCategory(INT32_MIN, INT32_MAX);
    RandomDatabase database;
    for (int i = count(random); i > 0; --i) {
        database.Categories.push_back(RandomText(random));
    }
    const bool wideNumbers = random() % 3 == 0;
    for (int i = count(random); i > 0; --i) {
        TBaseRecord link;
        link.Category = wideNumbers ? anyCategory(random) : count(random) - 3;
        link.Caption = RandomText(random);
        link.URL = RandomText(random);
        link.Description = RandomText(random);
        for (int k = count(random) % 4; k > 0; --k) {
            link.Keywords.push_back(RandomText(random));
        }
        database.Links.push_back(link);
    }
    return database;
}

RandomDatabase ReadBack(const RandomDatabase& written) {
    RandomDatabase read;
    for (const std::string& name : written.Categories) {
        read.Categories.push_back(WithoutLineBreaks(name));
    }
    // One empty name is written as an empty list is.
    if (read.Categories.size() == 1 && read.Categories[0].empty()) {
        read.Categories.clear();
    }
    for (const TBaseRecord& link : written.Links) {
        read.Links.push_back(ReadBackLink(link));
    }
    return read;
}

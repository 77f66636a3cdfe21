#include "support/random_database.h"

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
    const std::string caption = WithoutLineBreaks(written.Caption);
    const std::size_t plus = caption.find('+');
    link.Caption = caption.substr(0, plus);
    link.URL = (plus == std::string::npos ? "" : caption.substr(plus + 1) + "+") +
               WithoutLineBreaks(written.URL);
    link.Description = WithoutLineBreaks(written.Description);
    std::string joined;
    for (std::size_t k = 0; k < written.Keywords.size(); ++k) {
        joined += (k > 0 ? "+" : "") + WithoutLineBreaks(written.Keywords[k]);
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
        const std::string readName = WithoutLineBreaks(name);
        if (readName.empty()) {
            break;
        }
        read.Categories.push_back(readName);
    }
    for (const TBaseRecord& link : written.Links) {
        read.Links.push_back(ReadBackLink(link));
    }
    if (read.Links.empty()) {
        read.Links.emplace_back();
    }
    return read;
}

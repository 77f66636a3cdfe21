#include "support/word_agreement.h"

#include <algorithm>
#include <map>

namespace {

std::map<std::string, std::size_t> WordCounts(const std::string& text) {
    std::map<std::string, std::size_t> counts;
    std::string word;
    for (const char c : text + ' ') {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            word += c;
        } else if (!word.empty()) {
            ++counts[word];
            word.clear();
        }
    }
    return counts;
}

} // namespace

WordAgreement CompareWords(const std::string& text, const std::string& reference) {
    WordAgreement agreement;
    const auto ours = WordCounts(text);
    for (const auto& [word, count] : ours) {
        agreement.TextWords += count;
    }
    for (const auto& [word, count] : WordCounts(reference)) {
        agreement.ReferenceWords += count;
        const auto found = ours.find(word);
        agreement.Shared += found == ours.end() ? 0 : std::min(count, found->second);
    }
    return agreement;
}

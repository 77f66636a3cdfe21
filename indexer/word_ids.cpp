#include "indexer/word_ids.h"

#include <algorithm>

std::uint32_t TWordIds::Insert(std::size_t i, std::string_view word, std::size_t hash) {
    const auto id = static_cast<std::uint32_t>(words_.size());
    slots_[i] = {id, HashBitsOf(hash)};
    words_.emplace_back(word);
    taken_.push_back(i);
    return id;
}

void TWordIds::Clear() {
    // Only the slots taken are emptied: a table grown for a long page is
    // cleared as fast as a short page fills it.
    for (const std::size_t i : taken_) {
        slots_[i] = Slot();
    }
    taken_.clear();
    words_.clear();
}

void TWordIds::Grow() {
    slots_.assign(std::max<std::size_t>(64, 2 * slots_.size()), Slot());
    taken_.clear();
    const std::size_t mask = slots_.size() - 1;
    for (std::uint32_t id = 0; id < words_.size(); ++id) {
        const std::size_t hash = HashOf(words_[id]);
        std::size_t i = hash & mask;
        while (slots_[i].Id != None) {
            i = (i + 1) & mask;
        }
        slots_[i] = {id, HashBitsOf(hash)};
        taken_.push_back(i);
    }
}

#include "indexer/word_ids.h"

#include <algorithm>

namespace {

std::uint32_t HashBitsOf(std::size_t hash) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

} // namespace

std::size_t TWordIds::SlotFor(std::string_view word, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t bits = HashBitsOf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.Id == None || (slot.HashBits == bits && SameWord(words_[slot.Id], word))) {
            return i;
        }
    }
}

std::uint32_t TWordIds::Add(std::string_view word, std::size_t hash) {
    if (2 * (words_.size() + 1) > slots_.size()) {
        Grow();
    }
    const std::size_t i = SlotFor(word, hash);
    Slot& slot = slots_[i];
    if (slot.Id == None) {
        slot.Id = static_cast<std::uint32_t>(words_.size());
        slot.HashBits = HashBitsOf(hash);
        words_.emplace_back(word);
        taken_.push_back(i);
    }
    return slot.Id;
}

std::uint32_t TWordIds::Find(std::string_view word, std::size_t hash) const {
    return slots_.empty() ? None : slots_[SlotFor(word, hash)].Id;
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

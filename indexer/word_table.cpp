#include "indexer/word_table.h"

#include <algorithm>
#include <functional>

TWordTable::Slot& TWordTable::SlotFor(const std::string& word, std::size_t hash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (!slot.Used || (slot.Hash == hash && slot.Word == word)) {
            return slot;
        }
    }
}

void TWordTable::Insert(const std::string& word, std::uint32_t value) {
    // At most half the slots are taken, so that probes stay short.
    if (2 * (used_.size() + 1) > slots_.size()) {
        Grow();
    }
    const std::size_t hash = std::hash<std::string>{}(word);
    Slot& slot = SlotFor(word, hash);
    if (slot.Used) {
        return;
    }
    slot.Used = true;
    slot.Hash = hash;
    slot.Word.assign(word);
    slot.Value = value;
    used_.push_back(static_cast<std::size_t>(&slot - slots_.data()));
}

std::uint32_t* TWordTable::Find(const std::string& word) {
    if (slots_.empty()) {
        return nullptr;
    }
    Slot& slot = SlotFor(word, std::hash<std::string>{}(word));
    return slot.Used ? &slot.Value : nullptr;
}

void TWordTable::Clear() {
    for (const std::size_t i : used_) {
        slots_[i].Used = false;
    }
    used_.clear();
}

void TWordTable::Grow() {
    std::vector<Slot> old(std::max<std::size_t>(64, 2 * slots_.size()));
    old.swap(slots_);
    used_.clear();
    for (Slot& slot : old) {
        if (slot.Used) {
            Slot& target = SlotFor(slot.Word, slot.Hash);
            target = std::move(slot);
            used_.push_back(static_cast<std::size_t>(&target - slots_.data()));
        }
    }
}

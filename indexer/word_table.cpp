#include "indexer/word_table.h"

#include <algorithm>
#include <cstring>
#include <utility>

std::size_t TWordTable::HashOf(std::string_view word) {
    // Eight bytes at a time, each step mixed with a multiply and a shift.
    std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ word.size();
    const char* p = word.data();
    std::size_t left = word.size();
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, p, 8);
        hash = (hash ^ chunk) * 0xBF58476D1CE4E5B9ull;
        hash ^= hash >> 31;
    }
    if (left > 0) {
        std::uint64_t chunk = 0;
        for (std::size_t i = 0; i < left; ++i) {
            chunk |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])) << (8 * i);
        }
        hash = (hash ^ chunk) * 0x94D049BB133111EBull;
    }
    hash = (hash ^ (hash >> 29)) * 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

std::size_t TWordTable::SlotFor(std::string_view word, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (!slot.Used || (slot.Hash == hash && slot.Word == word)) {
            return i;
        }
    }
}

std::uint32_t& TWordTable::Insert(std::string_view word, std::size_t hash, std::uint32_t value) {
    // At most half the slots are taken, so that probes stay short.
    if (2 * (used_.size() + 1) > slots_.size()) {
        Grow();
    }
    const std::size_t i = SlotFor(word, hash);
    Slot& slot = slots_[i];
    if (!slot.Used) {
        slot.Used = true;
        slot.Hash = hash;
        slot.Word.assign(word);
        slot.Value = value;
        used_.push_back(i);
    }
    return slot.Value;
}

std::uint32_t* TWordTable::Find(std::string_view word, std::size_t hash) {
    return const_cast<std::uint32_t*>(std::as_const(*this).Find(word, hash));
}

const std::uint32_t* TWordTable::Find(std::string_view word, std::size_t hash) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const Slot& slot = slots_[SlotFor(word, hash)];
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
            const std::size_t i = SlotFor(slot.Word, slot.Hash);
            slots_[i] = std::move(slot);
            used_.push_back(i);
        }
    }
}

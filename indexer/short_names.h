// A table of names of one to eight bytes, each packed into a 64-bit key: a
// lookup loads the name in two overlapping halves, places the key with one
// multiply and compares one number, with no string.
#pragma once

#include "indexer/word_ids.h"

#include <cstdint>
#include <string_view>
#include <vector>

class TShortNames {
  public:
    static constexpr std::uint32_t None = UINT32_MAX;
    static constexpr std::size_t MaxSize = 8;

    // Files the value under the name (1 to MaxSize bytes) unless the name has
    // one already.
    void Add(std::string_view name, std::uint32_t value);
    // The name's value, or None; the name has 1 to MaxSize bytes.
    std::uint32_t Find(std::string_view name) const {
        if (slots_.empty()) {
            return None;
        }
        const std::uint64_t key = PackedBytes(name);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = SlotOf(key, mask);; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.Value == None || (slot.Key == key && slot.Size == name.size())) {
                return slot.Value;
            }
        }
    }
    void Clear() {
        slots_.clear();
        count_ = 0;
    }

  private:
    struct Slot {
        std::uint64_t Key = 0;
        std::uint32_t Size = 0;
        std::uint32_t Value = None;
    };
    static std::size_t SlotOf(std::uint64_t key, std::size_t mask) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    }
    // Puts the slot into the first free place from its own on.
    void Insert(const Slot& slot);

    std::vector<Slot> slots_; // a power of two of them, at most a quarter taken
    std::size_t count_ = 0;
};

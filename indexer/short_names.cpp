#include "indexer/short_names.h"

#include <algorithm>

void TShortNames::Add(std::string_view name, std::uint32_t value) {
    if (Find(name) != None) {
        return;
    }
    if (4 * (count_ + 1) > slots_.size()) {
        std::vector<Slot> taken(std::max<std::size_t>(16, 2 * slots_.size()));
        taken.swap(slots_);
        for (const Slot& slot : taken) {
            if (slot.Value != None) {
                Insert(slot);
            }
        }
    }
    Insert({PackedBytes(name), static_cast<std::uint32_t>(name.size()), value});
    ++count_;
}

void TShortNames::Insert(const Slot& slot) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = SlotOf(slot.Key, mask);
    while (slots_[i].Value != None) {
        i = (i + 1) & mask;
    }
    slots_[i] = slot;
}

// The position operations shared by the category list and the link base. Each
// sets current as the lists' Current field demands; a position outside the
// list changes nothing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace list_moves {

template <typename T> bool Inside(const std::vector<T>& items, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < items.size();
}

template <typename T> void Remove(std::vector<T>& items, std::int32_t& current, std::int32_t i) {
    if (!Inside(items, i)) {
        return;
    }
    const auto last = static_cast<std::int32_t>(items.size()) - 1;
    items.erase(items.begin() + i);
    current = i > 0 && i == last ? last - 1 : i;
}

template <typename T> void ToBegin(std::vector<T>& items, std::int32_t& current, std::int32_t i) {
    if (i == 0 || !Inside(items, i)) {
        return;
    }
    std::rotate(items.begin(), items.begin() + i, items.begin() + i + 1);
    current = 0;
}

template <typename T> void ToEnd(std::vector<T>& items, std::int32_t& current, std::int32_t i) {
    const auto last = static_cast<std::int32_t>(items.size()) - 1;
    if (i < 0 || i >= last) {
        return;
    }
    std::rotate(items.begin() + i, items.begin() + i + 1, items.end());
    current = last;
}

template <typename T> void StepUp(std::vector<T>& items, std::int32_t& current, std::int32_t i) {
    if (i == 0 || !Inside(items, i)) {
        return;
    }
    std::swap(items[i - 1], items[i]);
    current = i - 1;
}

template <typename T> void StepDown(std::vector<T>& items, std::int32_t& current, std::int32_t i) {
    const auto last = static_cast<std::int32_t>(items.size()) - 1;
    if (i < 0 || i >= last) {
        return;
    }
    std::swap(items[i], items[i + 1]);
    current = i + 1;
}

} // namespace list_moves

// The position operations shared by the category list and the link base. Each
// sets current as the lists' Current field demands; a position outside the
// list changes nothing.
#pragma once

#include "app/base.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
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

// Moves the items at positions (ascending, each inside the list) together,
// keeping their order: to the begin, one step up, one step down or to the end.
// An item at the edge, or against another moved item there, stays. Answers
// their new positions.
template <typename T>
std::vector<std::int32_t> MoveBlock(std::vector<T>& items, std::vector<std::int32_t> positions,
                                    BlockMove move) {
    const auto count = static_cast<std::int32_t>(items.size());
    if (move == BlockMove::ToBegin || move == BlockMove::ToEnd) {
        std::vector<bool> picked(items.size());
        for (std::int32_t p : positions) {
            picked[static_cast<std::size_t>(p)] = true;
        }
        std::vector<T> picks;
        std::vector<T> others;
        for (std::size_t i = 0; i < items.size(); ++i) {
            (picked[i] ? picks : others).push_back(std::move(items[i]));
        }
        const bool toBegin = move == BlockMove::ToBegin;
        items = std::move(toBegin ? picks : others);
        std::move((toBegin ? others : picks).begin(), (toBegin ? others : picks).end(),
                  std::back_inserter(items));
        const auto first = toBegin ? 0 : count - static_cast<std::int32_t>(positions.size());
        for (std::size_t i = 0; i < positions.size(); ++i) {
            positions[i] = first + static_cast<std::int32_t>(i);
        }
        return positions;
    }
    if (move == BlockMove::Up) {
        std::int32_t free = 0; // the first position an item may step into
        for (std::int32_t& p : positions) {
            if (p > free) {
                std::swap(items[static_cast<std::size_t>(p - 1)],
                          items[static_cast<std::size_t>(p)]);
                --p;
            }
            free = p + 1;
        }
        return positions;
    }
    std::int32_t free = count - 1; // the last position an item may step into
    for (auto p = positions.rbegin(); p != positions.rend(); ++p) {
        if (*p < free) {
            std::swap(items[static_cast<std::size_t>(*p)], items[static_cast<std::size_t>(*p + 1)]);
            ++*p;
        }
        free = *p - 1;
    }
    return positions;
}

} // namespace list_moves
